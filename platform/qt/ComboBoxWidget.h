// The widget of a COMBOBOX window. Its list drops down below the closed box, as the
// platform's does, and is no taller than the window's rectangle allows below that box,
// rounded down to whole rows, though always tall enough for one; a scroll bar reaches
// the rest. Whether the list is open is the window system's to say: the widget asks
// for it to open or close, and shows it open or closed when told.
#pragma once

#include <QComboBox>

class ComboBoxWidget : public QComboBox {
    // Its own class name, by which its accessible interface is found (AccessibleComboBox).
    Q_OBJECT

public:
    explicit ComboBoxWidget(QWidget* parent);

    // The height in pixels that the window's rectangle leaves for the opened list.
    void SetDroppedListHeight(int height) { m_droppedListHeight = height; }

    // Shows the item at index (-1: none) in the box and selected in the list, open or
    // closed, where a screen reader finds it among the items.
    void ShowCurrentItem(int index);

    // Shows the list open or closed, as the window system has it.
    void ShowDropped(bool dropped);

    // Whatever opens or closes the list here (a click, a click outside it, a screen
    // reader) only asks; the list shows once the window system has changed its state.
    void showPopup() override;
    void hidePopup() override;

signals:
    void DropDownRequested(bool show);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int ListHeightOfWholeRows() const;
    // The list's own window, in which it drops down.
    QWidget* ListWindow() const;

    int m_droppedListHeight = 0;
    bool m_shownDropped = false;
};
