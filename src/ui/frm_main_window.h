// frmMain on screen: a view of the main-window model. Each user event goes
// to the core handler of the same name; refresh() then copies the model into
// the widgets with their signals blocked, so that showing a value never
// counts as the user changing it.
#pragma once

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "engine/frm_main.h"
#include "engine/project.h"
#include "platform/platform.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QStatusBar;
class QGroupBox;
class QWidget;
class QShortcut;
class QDialog;

namespace pennant {

class FrmMainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Window heights in pixels at 96 dots per inch (15 twips each): 6960
    // twips with the status bar, 6570 without.
    static constexpr int kHeightWithStatusBar = 464;
    static constexpr int kHeightWithoutStatusBar = 438;
    static constexpr int kWidth = 720;

    // Builds the window. Nothing is read or shown until Form_Load().
    FrmMainWindow(const std::filesystem::path& programDir, Platform& platform, QWidget* parent = nullptr);
    ~FrmMainWindow() override;

    // Start-up: fills the window, reads the settings, counts the log, centres
    // the window on its screen and shows it.
    void Form_Load();

    // Copies the whole model into the widgets.
    void refresh();

    FrmMain& model() { return *model_; }
    Project& project() { return project_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildTypeOfBet();
    QWidget* buildSelections();
    QWidget* buildTerms();
    QWidget* buildStake();
    QWidget* buildWinnings();
    QWidget* buildButtons();
    void buildStatusBar();
    QLabel* label(int number, const QString& caption = {});
    QLabel* valueLabel(int number);
    QComboBox* comboBox(const QString& name, int width);
    void connectOdds(int index);

    // Runs a core command and shows what it left in the model.
    template <class F>
    void run(F&& command);
    void applyWindowHeight();
    void centreOnScreen();
    void shutdownOnce();

    // ---- menu and button commands ----
    void onTaxRate();
    void onStatusBar();
    void onContents();
    void onAbout();
    void onViewLog();
    void onSetupLog();
    void onAddToLog();
    void onUpdateLog();
    void onCancel();
    void onNew();
    void onOpen();
    void onSaveAs();
    void onPrint();
    void onExit();

    Project project_;
    Platform& platform_;
    std::unique_ptr<FrmMain> model_;
    bool shutDown_ = false;

    QComboBox* combo7_ = nullptr;
    QComboBox* combo8_ = nullptr;
    std::array<QComboBox*, kRows> odds_{};
    std::array<QLineEdit*, kRows> names_{};
    std::array<QRadioButton*, 24> option_{};  // Option1 .. Option23 by number
    std::array<QWidget*, kRows> rowFrames_{};
    QCheckBox* check1_ = nullptr;
    std::array<QLabel*, 70> labels_{};  // Label1 .. Label69 by number
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QStatusBar* statusBar1_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    QMenu* mnuFile_ = nullptr;
    QMenu* mnuOptions_ = nullptr;
    QMenu* mnuH_ = nullptr;
    QAction* menustatus_ = nullptr;
    std::vector<std::pair<QShortcut*, QPushButton*>> shortcuts_;  // Enter, Esc
    QDialog* logOptions_ = nullptr;                               // frmLogOptions: created on first use and kept
};

}  // namespace pennant
