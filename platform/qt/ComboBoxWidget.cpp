#include "ComboBoxWidget.h"

#include <QAbstractItemView>
#include <QApplication>
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
}

void ComboBoxWidget::ShowCurrentItem(int index)
{
    setCurrentIndex(index);
    QModelIndex item = model()->index(index, modelColumn(), rootModelIndex());
    view()->selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
}

void ComboBoxWidget::showPopup()
{
    view()->parentWidget()->setMaximumHeight(qMax(m_droppedListHeight, OneItemListHeight()));
    QComboBox::showPopup();
}

// The list's frame around one row.
int ComboBoxWidget::OneItemListHeight() const
{
    QMargins frame = view()->parentWidget()->contentsMargins();
    return view()->sizeHintForRow(0) + frame.top() + frame.bottom() + 2 * view()->frameWidth();
}
