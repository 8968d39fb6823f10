#include "AccessibleComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "AccessibleDropList.h"
#include "AccessibleFocus.h"
#include "ComboBoxWidget.h"

namespace {

// The list is the first child; a drop-down combo box's edit field follows it.
constexpr int LIST_CHILD = 0;
constexpr int EDIT_CHILD = 1;

}  // namespace

AccessibleComboBox::AccessibleComboBox(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

QAccessibleInterface* AccessibleComboBox::Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String(ComboBoxWidget::staticMetaObject.className()))
        return new AccessibleComboBox(static_cast<ComboBoxWidget*>(object));
    if (AccessibleDropList::IsDropListOfComboBox(object))
        return new AccessibleDropList(static_cast<QAbstractItemView*>(object));
    return nullptr;
}

// nullptr once the widget is being destroyed: a screen reader may still ask then.
QComboBox* AccessibleComboBox::comboBox() const
{
    return qobject_cast<QComboBox*>(object());
}

QString AccessibleComboBox::text(QAccessible::Text t) const
{
    QComboBox* combo = comboBox();
    if (combo == nullptr || (t != QAccessible::Name && t != QAccessible::Value))
        return QAccessibleWidget::text(t);
    QString name = t == QAccessible::Name ? QAccessibleWidget::text(t) : QString();
    // The text in the closed box, the edit field's in a drop-down combo box.
    return name.isEmpty() ? combo->currentText() : name;
}

QAccessible::State AccessibleComboBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (QComboBox* combo = comboBox()) {
        state.expandable = true;
        state.expanded = combo->view()->isVisible();
        state.editable = combo->isEditable();
        // The window system's focus, which the edit field has where there is one.
        state.focusable = true;
        state.focused = !combo->isEditable() && HoldsWindowFocus(combo);
    }
    return state;
}

int AccessibleComboBox::childCount() const
{
    QComboBox* combo = comboBox();
    if (combo == nullptr)
        return 0;
    return combo->isEditable() ? 2 : 1;
}

QAccessibleInterface* AccessibleComboBox::child(int index) const
{
    QComboBox* combo = comboBox();
    if (combo == nullptr)
        return nullptr;
    if (index == LIST_CHILD)
        return QAccessible::queryAccessibleInterface(combo->view());
    if (index == EDIT_CHILD && combo->isEditable())
        return QAccessible::queryAccessibleInterface(combo->lineEdit());
    return nullptr;
}

int AccessibleComboBox::indexOfChild(const QAccessibleInterface* child) const
{
    QComboBox* combo = comboBox();
    if (combo == nullptr || child == nullptr)
        return -1;
    if (child->object() == combo->view())
        return LIST_CHILD;
    if (combo->isEditable() && child->object() == combo->lineEdit())
        return EDIT_CHILD;
    return -1;
}

QStringList AccessibleComboBox::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void AccessibleComboBox::doAction(const QString& actionName)
{
    QComboBox* combo = comboBox();
    if (combo == nullptr || (actionName != showMenuAction() && actionName != pressAction()))
        return;
    if (combo->view()->isVisible())
        combo->hidePopup();
    else
        combo->showPopup();
}

QStringList AccessibleComboBox::keyBindingsForAction(const QString&) const
{
    return {};
}
