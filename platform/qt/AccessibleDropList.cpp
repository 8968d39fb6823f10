#include "AccessibleDropList.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPointer>

#include "ComboBoxWidget.h"

namespace {

// The combo box whose list a view is: the view lies in the popup, the popup in the box.
ComboBoxWidget* ComboBoxOf(const QWidget* view)
{
    QWidget* popup = view != nullptr ? view->parentWidget() : nullptr;
    return popup != nullptr ? qobject_cast<ComboBoxWidget*>(popup->parentWidget()) : nullptr;
}

// One item of the list, read from the view each time it is asked.
class AccessibleDropListItem : public QAccessibleInterface {
public:
    AccessibleDropListItem(QAbstractItemView* view, int row) : m_view(view), m_row(row) {}

    bool isValid() const override { return m_view != nullptr && m_row < m_view->model()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return QString();
        return Index().data(Qt::DisplayRole).toString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        QRect shown = m_view->visualRect(Index());
        return QRect(m_view->viewport()->mapToGlobal(shown.topLeft()), shown.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        // The combo box keeps the focus, dropped or not: an item takes none of its own.
        state.invisible = !m_view->isVisible();
        state.selectable = true;
        state.selected = m_view->selectionModel()->isSelected(Index());
        return state;
    }

private:
    QModelIndex Index() const
    {
        ComboBoxWidget* combo = ComboBoxOf(m_view);
        return m_view->model()->index(m_row, combo != nullptr ? combo->modelColumn() : 0);
    }

    QPointer<QAbstractItemView> m_view;
    int m_row;
};

}  // namespace

AccessibleDropList::AccessibleDropList(QAbstractItemView* view) : QAccessibleWidget(view, QAccessible::List) {}

AccessibleDropList::~AccessibleDropList()
{
    for (QAccessible::Id id : m_items)
        QAccessible::deleteAccessibleInterface(id);
}

bool AccessibleDropList::IsDropListOfComboBox(QObject* object)
{
    auto* view = qobject_cast<QAbstractItemView*>(object);
    return view != nullptr && ComboBoxOf(view) != nullptr && ComboBoxOf(view)->view() == view;
}

QAbstractItemView* AccessibleDropList::view() const
{
    return qobject_cast<QAbstractItemView*>(object());
}

// The list itself never has the focus: its combo box or one of its items has.
QAccessible::State AccessibleDropList::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.focused = false;
    return state;
}

int AccessibleDropList::childCount() const
{
    QAbstractItemView* list = view();
    return list != nullptr ? list->model()->rowCount() : 0;
}

QAccessibleInterface* AccessibleDropList::child(int index) const
{
    QAbstractItemView* list = view();
    if (list == nullptr || index < 0 || index >= childCount())
        return nullptr;
    // The list grows and shrinks with the combo box's items; an item is its row.
    while (static_cast<int>(m_items.size()) > childCount()) {
        QAccessible::deleteAccessibleInterface(m_items.back());
        m_items.pop_back();
    }
    while (static_cast<int>(m_items.size()) <= index) {
        int row = static_cast<int>(m_items.size());
        m_items.push_back(QAccessible::registerAccessibleInterface(new AccessibleDropListItem(list, row)));
    }
    return QAccessible::accessibleInterface(m_items[static_cast<size_t>(index)]);
}

int AccessibleDropList::indexOfChild(const QAccessibleInterface* child) const
{
    for (size_t index = 0; index < m_items.size(); ++index) {
        if (QAccessible::accessibleInterface(m_items[index]) == child)
            return static_cast<int>(index);
    }
    return -1;
}

QAccessibleInterface* AccessibleDropList::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index) {
        QAccessibleInterface* item = child(index);
        if (item->rect().contains(x, y))
            return item;
    }
    return nullptr;
}
