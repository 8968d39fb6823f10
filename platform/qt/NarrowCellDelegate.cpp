#include "NarrowCellDelegate.h"

#include <QApplication>
#include <QPainter>

QRect NarrowCellDelegate::TextRect(const QRect& cell)
{
    return cell.adjusted(TEXT_MARGIN, 0, -TEXT_MARGIN, 0);
}

QString NarrowCellDelegate::ElidedText(const QStyleOptionViewItem& cell)
{
    return QFontMetrics(cell.font).elidedText(cell.text, cell.textElideMode, TextRect(cell.rect).width());
}

QString NarrowCellDelegate::ShownText(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    return ElidedText(cell);
}

void NarrowCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    QString text = ElidedText(cell);
    // The style paints all but the text.
    cell.text.clear();
    const QWidget* widget = cell.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

    QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                 : (cell.state & QStyle::State_Active) ? QPalette::Normal
                                                                        : QPalette::Inactive;
    QPalette::ColorRole role = (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(group, role));
    painter->drawText(TextRect(cell.rect), static_cast<int>(cell.displayAlignment), text);
    painter->restore();
}
