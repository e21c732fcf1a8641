#pragma once
// The oracle for whole-word searches, written as a regular expression: no match starts or ends
// between two word letters (ASCII letters, and an apostrophe between two of them), and the wildcards
// ("%" any run, "_" one) take only such letters.
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
