#include "reading/MatchDelegate.h"

#include "settings/ThemeColours.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace kivra {

QList<QPair<int, int>> MatchDelegate::markedRanges(const QModelIndex& index) const
{
    if (m_marks.isEmpty())
        return {};
    return m_marks.ranges(index.data(Qt::DisplayRole).toString(), index.row());
}

void MatchDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QList<QPair<int, int>> ranges = markedRanges(index);
    if (ranges.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The style paints the cell without its text; the text follows with the matches marked.
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    opt.text = text;
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;

    QList<QTextLayout::FormatRange> formats;
    for (const auto& [start, length] : ranges) {
        QTextLayout::FormatRange format;
        format.start = start;
        format.length = length;
        // The mark keeps its own text colour: the theme's (light under a dark theme) would vanish on it.
        format.format.setBackground(MatchMarkColours().background);
        format.format.setForeground(MatchMarkColours().text);
        formats << format;
    }
    QTextLayout layout(text, opt.font);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(textOption);
    layout.setFormats(formats);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();

    painter->save();
    painter->setClipRect(textRect);
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const qreal top = textRect.top() + (textRect.height() - line.height()) / 2;
    layout.draw(painter, QPointF(textRect.left() + margin, top));
    painter->restore();
}

} // namespace kivra
