#include "ComboBoxWidget.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QProxyStyle>
#include <limits>

namespace {

// Styles that open a combo box's list over the box, as a menu, ignore any bound on its
// height and show no scroll bar; this one drops every list below its box instead.
class DropDownStyle : public QProxyStyle {
public:
    explicit DropDownStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

ComboBoxWidget::ComboBoxWidget(QWidget* parent) : QComboBox(parent)
{
    auto* style = new DropDownStyle(QApplication::style()->name());
    style->setParent(this);
    setStyle(style);
    // The height alone bounds the list, not a count of items.
    setMaxVisibleItems(std::numeric_limits<int>::max());
    // Qt closes an open list by itself too, when another window takes the mouse.
    ListWindow()->installEventFilter(this);
}

void ComboBoxWidget::ShowCurrentItem(int index)
{
    setCurrentIndex(index);
    QModelIndex item = model()->index(index, modelColumn(), rootModelIndex());
    view()->selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
    if (item.isValid() && ListWindow()->isVisible())
        view()->scrollTo(item);
}

DroppedListMetrics ComboBoxWidget::ListMetrics() const
{
    // Rounded up, so that the rows counted from it always fit.
    int frame = (ListFrameHeight() + 1) / 2;
    return DroppedListMetrics{height(), frame, RowHeight()};
}

void ComboBoxWidget::ShowDropped(bool dropped, int rows)
{
    m_shownDropped = dropped;
    if (dropped == ListWindow()->isVisible())
        return;
    if (dropped) {
        ListWindow()->setMaximumHeight(qMax(1, rows) * RowHeight() + ListFrameHeight());
        QComboBox::showPopup();
    } else {
        QComboBox::hidePopup();
    }
}

void ComboBoxWidget::showPopup()
{
    emit DropDownRequested(true);
}

void ComboBoxWidget::hidePopup()
{
    emit DropDownRequested(false);
}

bool ComboBoxWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListWindow() && event->type() == QEvent::Hide && m_shownDropped)
        emit DropDownRequested(false);
    return QComboBox::eventFilter(watched, event);
}

QWidget* ComboBoxWidget::ListWindow() const
{
    return view()->parentWidget();
}

int ComboBoxWidget::RowHeight() const
{
    return qMax(1, view()->sizeHintForRow(0));
}

int ComboBoxWidget::ListFrameHeight() const
{
    QMargins frame = ListWindow()->contentsMargins();
    return frame.top() + frame.bottom() + 2 * view()->frameWidth();
}
