// Paints a list cell's text with a narrow margin, so that a narrow column shows its text
// whole where the style's wider margin would cut it short ("23:59:59" at 60 pixels).
// Background, selection and focus are painted by the style as usual.
#pragma once

#include <QStyledItemDelegate>

class NarrowCellDelegate : public QStyledItemDelegate {
public:
    // Pixels left free on either side of a cell's text.
    static constexpr int TEXT_MARGIN = 2;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The text as the cell shows it: cut short with an ellipsis only where even the
    // narrow margin leaves too little room.
    QString ShownText(const QStyleOptionViewItem& option, const QModelIndex& index) const;

private:
    static QRect TextRect(const QRect& cell);
    // The text of a cell whose option is filled in.
    static QString ElidedText(const QStyleOptionViewItem& cell);
};
