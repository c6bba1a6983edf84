#include "ui/frm_about.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/pennant_icon.h"

namespace pennant {

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Pennant95"));
    setWindowIcon(pennantIcon());

    auto* label1 = new QLabel(QStringLiteral("Pennant 95 (vers2.00)"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont big = label1->font();
    big.setPointSize(18);
    label1->setFont(big);
    QPalette black = label1->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label1->setPalette(black);
    label1->setAlignment(Qt::AlignCenter);

    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* image1 = new QLabel(frame1);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(pennantPicture(96, devicePixelRatioF()));
    image1->setAlignment(Qt::AlignCenter);
    auto* frameLayout = new QVBoxLayout(frame1);
    frameLayout->addWidget(image1);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("ComAbout"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);  // the title 240 twips from the top
    layout->setSpacing(12);
    layout->addWidget(label1);
    layout->addWidget(frame1, 1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedSize(360, 260);
}

void FrmAbout::showEvent(QShowEvent* event) {
    if (QScreen* s = screen()) {
        QRect area = s->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    QDialog::showEvent(event);
}

}  // namespace pennant
