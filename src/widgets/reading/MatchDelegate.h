#pragma once
// Paints a results grid's cells with the stretches a search matched marked, as a highlighter pen
// would, and tells which stretches those are.
#include "reading/SearchMatcher.h"

#include <QStyledItemDelegate>

namespace kivra {

class MatchDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setMarks(const MatchMarks& marks) { m_marks = marks; }
    const MatchMarks& marks() const { return m_marks; }
    // (start, length) of each marked stretch of the cell's text.
    QList<QPair<int, int>> markedRanges(const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    MatchMarks m_marks;
};

} // namespace kivra
