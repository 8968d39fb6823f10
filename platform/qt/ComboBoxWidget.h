// The widget of a COMBOBOX window. Its list drops down below the closed box, as the
// platform's does, and shows as many whole rows as the window system counts from the
// metrics the widget reports; a scroll bar reaches the rest. Whether the list is open
// is the window system's to say too: the widget asks for it to open or close, and
// shows it open or closed when told.
#pragma once

#include <QComboBox>

#include "displaydriver.h"

class ComboBoxWidget : public QComboBox {
    // Its own class name, by which its accessible interface is found (AccessibleComboBox).
    Q_OBJECT

public:
    explicit ComboBoxWidget(QWidget* parent);

    // How the list is drawn: the closed box's height, the list's frame and a row.
    DroppedListMetrics ListMetrics() const;

    // Shows the item at index (-1: none) in the box and selected in the list, open or
    // closed, where a screen reader finds it among the items.
    void ShowCurrentItem(int index);

    // Shows the list open with the given number of whole rows, or closed, as the window
    // system has it.
    void ShowDropped(bool dropped, int rows);

    // Whatever opens or closes the list here (a click, a click outside it, a screen
    // reader) only asks; the list shows once the window system has changed its state.
    void showPopup() override;
    void hidePopup() override;

signals:
    void DropDownRequested(bool show);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int RowHeight() const;
    // The list's frame above and below its rows together.
    int ListFrameHeight() const;
    // The list's own window, in which it drops down.
    QWidget* ListWindow() const;

    bool m_shownDropped = false;
};
