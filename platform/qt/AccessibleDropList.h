// What a screen reader is told of the list under a combo box: a list whose items are
// named by their texts, the combo box's item selected. The focus stays with the combo
// box, dropped or not: no item claims it, as the current item of Qt's list would.
#pragma once

#include <QAccessibleWidget>
#include <vector>

class QAbstractItemView;

class AccessibleDropList : public QAccessibleWidget {
public:
    explicit AccessibleDropList(QAbstractItemView* view);
    ~AccessibleDropList() override;

    // Whether a widget is the list under one of the driver's combo boxes.
    static bool IsDropListOfComboBox(QObject* object);

    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    QAbstractItemView* view() const;

    // One interface per row, made when first asked for; rows that went take theirs along.
    mutable std::vector<QAccessible::Id> m_items;
};
