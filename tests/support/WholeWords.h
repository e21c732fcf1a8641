#pragma once
// The whole-word oracle as a regular expression: matches end at word-letter edges, wildcards take only letters.
#include <QRegularExpression>
#include <QString>

namespace kivra::test {

inline QRegularExpression WholeWordsExpression(const QString& text)
{
    const QString letter = QStringLiteral("(?:[A-Za-z]|(?<=[A-Za-z])'(?=[A-Za-z]))");
    const QString edge = QStringLiteral("(?:(?<!%1)|(?!%1))").arg(letter);
    QString body;
    for (QChar c : text)
        body += c == u'%' ? letter + u'*' : c == u'_' ? letter : QRegularExpression::escape(QString(c));
    return QRegularExpression(edge + body + edge, QRegularExpression::CaseInsensitiveOption);
}

} // namespace kivra::test
