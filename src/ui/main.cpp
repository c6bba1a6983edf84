// Pennant95: the calculator's window program.
#include <QApplication>

#include "ui/frm_main_window.h"
#include "ui/pennant_icon.h"
#include "ui/program_dir.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pennant95"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));
    QApplication::setWindowIcon(pennant::pennantIcon());

    std::filesystem::path dir = pennant::programDirectory();
    pennant::QtPlatform platform(dir);
    pennant::FrmMainWindow window(dir, platform);
    platform.setWindow(&window);
    window.Form_Load();
    return QApplication::exec();
}
