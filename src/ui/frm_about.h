// frmAbout: the program's name and version over its picture. Fixed size,
// shown modally (exec); "&OK" closes it.
#pragma once

#include <QDialog>

namespace pennant {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace pennant
