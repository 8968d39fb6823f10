// The widget of a COMBOBOX window. Its list drops down below the closed box, as the
// platform's does, and is no taller than the window's rectangle allows below that box,
// though always tall enough for one item; a scroll bar reaches the rest.
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

    void showPopup() override;

private:
    int OneItemListHeight() const;

    int m_droppedListHeight = 0;
};
