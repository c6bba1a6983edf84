#include "ui_fixture.h"
#include <iostream>
namespace pennant::testing {
class Dbg : public UiTest {};
TEST_F(Dbg, X) {
    FrmMainWindow& w = mainWindow();
    std::cerr << "52=[" << w.model().Label[52] << "] 7=[" << w.model().Combo7 << "] 8=[" << w.model().Combo8 << "]\n";
    auto* combo7 = find<QComboBox>(&w, "Combo7");
    std::cerr << "combo7 text " << combo7->currentText().toStdString() << "\n";
    combo7->setFocus();
    QTest::keyClicks(combo7, "Lucky 15");
    std::cerr << "52=[" << w.model().Label[52] << "] 7=[" << w.model().Combo7 << "] text=" << combo7->currentText().toStdString() << "\n";
}
}
