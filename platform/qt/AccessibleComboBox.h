// What a screen reader is told of a combo box: the name of the label beside it, or the
// item it shows when no label names it; that item as its value; the list that drops
// down, where the item is selected, and a drop-down combo box's edit field as children.
// It has the focus as the window system says, unless its edit field has it.
#pragma once

#include <QAccessibleWidget>

class QComboBox;

class AccessibleComboBox : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(QComboBox* combo);

    // For QAccessible::installFactory: the interface of each ComboBoxWidget and of the
    // list under it.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // Show Menu and Press both open the list, or close it when it is open.
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QComboBox* comboBox() const;
};
