#include "reading/ReadAloudVerses.h"

#include <QRegularExpression>

#include <algorithm>

namespace kivra {

QList<SpokenVerse> VersesToRead(const QString& text, const QList<VerseSpan>& spans, int from, int to)
{
    static const QRegularExpression reference(QStringLiteral("\\(\\d+:\\d+\\)"));
    QList<SpokenVerse> verses;
    for (int i = 0; i < spans.size(); ++i) {
        const int start = std::clamp(spans[i].start, 0, int(text.size()));
        int end = i + 1 < spans.size() ? std::clamp(spans[i + 1].start, start, int(text.size())) : int(text.size());
        while (end > start && text.at(end - 1).isSpace())
            --end;
        if (from != to && (end <= from || start >= to))
            continue;
        const QString words = text.mid(start, end - start).remove(reference).simplified();
        if (!words.isEmpty())
            verses.append({start, end, words});
    }
    return verses;
}

} // namespace kivra
