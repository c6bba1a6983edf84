// Writes the pennant picture as PNG files of the hicolor sizes, for the
// desktop icon of the package.
#include <QGuiApplication>
#include <QString>

#include "ui/pennant_icon.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) return 2;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QString path = QString("%1/%2.png").arg(argv[1]).arg(size);
        if (!pennant::pennantPicture(size).save(path)) return 1;
    }
    return 0;
}
