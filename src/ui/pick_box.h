// An editable drop-down box that tells a pick from the list apart from
// typing. QComboBox reports both as "activated", and also when typed text
// that matches an item loses focus; the main window must recalculate on a
// pick and on Enter, never because focus moved.
#pragma once

#include <QComboBox>

namespace pennant {

class PickBox : public QComboBox {
    Q_OBJECT
public:
    explicit PickBox(QWidget* parent = nullptr);

    // Sets the text without a signal and without moving the cursor when the
    // text is already there.
    void showText(const QString& text);

signals:
    // An item was chosen from the list (or stepped to with the arrow keys).
    void picked(const QString& text);
    // The user changed the text by typing, pasting or deleting.
    void typed(const QString& text);
    // Enter was pressed in the box while its list was closed.
    void enterPressed();

protected:
    void hidePopup() override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void onActivated(int index);
    void armPick();

    bool pickArmed_ = false;
};

}  // namespace pennant
