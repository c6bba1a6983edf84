#include "ui/pick_box.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace pennant {

PickBox::PickBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // Typed text is the user's own: never added to the list, never completed.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(16);
    connect(lineEdit(), &QLineEdit::textEdited, this, &PickBox::typed);
    connect(this, qOverload<int>(&QComboBox::activated), this, &PickBox::onActivated);
}

void PickBox::showText(const QString& text) {
    if (currentText() == text) return;
    const QSignalBlocker block(this);
    int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        setCurrentIndex(index);
    else
        setEditText(text);
}

// A pick from the list closes the list just before QComboBox reports it.
void PickBox::hidePopup() {
    armPick();
    QComboBox::hidePopup();
}

void PickBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!view()->isVisible()) {
                emit enterPressed();
                event->accept();
                return;
            }
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            armPick();
            break;
        default:
            break;
    }
    QComboBox::keyPressEvent(event);
}

// Scrolling over a closed box must not change a bet by accident.
void PickBox::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void PickBox::armPick() {
    pickArmed_ = true;
    QTimer::singleShot(0, this, [this] { pickArmed_ = false; });
}

void PickBox::onActivated(int index) {
    if (!pickArmed_ || index < 0) return;
    pickArmed_ = false;
    emit picked(itemText(index));
}

}  // namespace pennant
