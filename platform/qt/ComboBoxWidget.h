// The widget of a COMBOBOX window. Its list drops down below the closed box, as the
// platform's does, and is no taller than the window's rectangle allows below that box,
// though always tall enough for one item; a scroll bar reaches the rest.
#pragma once

#include <QComboBox>

class ComboBoxWidget : public QComboBox {
public:
    explicit ComboBoxWidget(QWidget* parent);

    // The height in pixels that the window's rectangle leaves for the opened list.
    void SetDroppedListHeight(int height) { m_droppedListHeight = height; }

    void showPopup() override;

private:
    int OneItemListHeight() const;

    int m_droppedListHeight = 0;
};
