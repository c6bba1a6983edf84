// frmLogOptions on screen: the log set-up window. It is created once and
// then only hidden, so Text2 keeps what was typed between showings.
#pragma once

#include <QDialog>
#include <functional>

#include "engine/frm_main.h"
#include "log/log_setup.h"
#include "platform/platform.h"

class QLineEdit;
class QPushButton;

namespace pennant {

class FrmLogOptions : public QDialog {
    Q_OBJECT
public:
    // Client area 4965 x 3810 twips at 15 twips to the pixel.
    static constexpr int kWidth = 331;
    static constexpr int kHeight = 254;

    // Runs the load steps. refreshMain() is called after each command that
    // changed the main window's model (the status bar).
    FrmLogOptions(FrmMain& model, std::function<void()> refreshMain, QWidget* parent = nullptr);

    // The window's own file dialog, which remembers the name it chose last.
    CommonDialog CommonDialog1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    // Copies the texts the core hands back into the text boxes.
    void showTexts();

    FrmMain& model_;
    std::function<void()> refreshMain_;
    LogOptionsTexts texts_;
    bool centred_ = false;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
};

}  // namespace pennant
