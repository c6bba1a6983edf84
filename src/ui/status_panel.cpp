#include "ui/status_panel.h"

#include <QPainter>
#include <QStyle>

namespace pennant {

StatusPanel::StatusPanel(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setIndent(4);
}

void StatusPanel::showText(const QString& text) {
    if (this->text() == text) return;
    setText(text);
    setToolTip(text);
}

QSize StatusPanel::minimumSizeHint() const {
    return {20, QLabel::minimumSizeHint().height()};
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    QRect area = contentsRect().adjusted(indent(), 0, -indent(), 0);
    QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    style()->drawItemText(&p, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), shown, foregroundRole());
}

}  // namespace pennant
