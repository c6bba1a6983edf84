// A status-bar panel: a label that shortens its text with "..." when the
// panel is too narrow (a long log path), keeping the whole text in text()
// and in its tool tip.
#pragma once

#include <QLabel>

namespace pennant {

class StatusPanel : public QLabel {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent = nullptr);
    void showText(const QString& text);
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pennant
