// frmLog on screen: the log viewer. It fills its grid from the current log
// when it is built, and again after a line is deleted; pick mode chooses a
// line to delete or edit.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "engine/frm_main.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

namespace pennant {

class LogGridView;
class LogTableModel;
class LogViewerState;

class FrmLog : public QDialog {
    Q_OBJECT
public:
    // Client area 9480 x 5430 twips at 15 twips to the pixel.
    static constexpr int kWidth = 632;
    static constexpr int kHeight = 362;

    // Fills the grid from the current log. refreshMain() is called after
    // anything that changed the main window's model.
    FrmLog(FrmMain& model, std::function<void()> refreshMain, QWidget* parent = nullptr);
    ~FrmLog() override;

    // Reads the whole log and fills the grid and the balances.
    void drawgrid();

    // "delete", "edit", a blank after Esc, empty before pick mode was used.
    const std::string& PickMode() const { return pickMode_; }
    // The grid row the user last chose (record r is row r, the empty row
    // is the record count + 1); 0 while no line has been chosen.
    int chosenRow() const { return chosenRow_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    void buildButtons();
    void buildGrid();
    void startPickMode(const char* mode);
    void endPickMode();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void mnuDelete_Click();
    void mnuEdit_Click();
    // The pick action on the chosen row, by PickMode.
    void pick();
    void setRowHeights();
    void fillFailed();
    void centreOnScreen();

    FrmMain& model_;
    std::function<void()> refreshMain_;
    std::string pickMode_;
    int chosenRow_ = 0;
    // The log as it was read for the grid: a pick acts only while the
    // file still holds what the grid shows.
    std::unique_ptr<LogViewerState> viewer_;

    LogTableModel* gridModel_ = nullptr;
    LogGridView* grid1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QPushButton* command_[6] = {};  // Command1 .. Command5 by number
    QMenu* mnuRC_ = nullptr;
};

}  // namespace pennant
