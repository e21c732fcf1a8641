#include "reading/VerseOfTheDay.h"

#include "storage/Database.h"
#include "storage/Globals.h"

#include <QRandomGenerator>
#include <QTextLayout>

namespace kivra {

QString WordsFromGodForId(int id, int withReference)
{
    auto rs = selectRowsByNumber(BibleConnection(), QStringLiteral("tblBible"), QStringLiteral("ID"),
                                 QString::number(id));
    if (!rs || rs->eof())
        return {};
    const QString reference = withReference == 1
        ? QStringLiteral("(%1:%2:%3)").arg(rs->text(QStringLiteral("BookAbbreviation")),
                                           rs->text(QStringLiteral("Chapter")), rs->text(QStringLiteral("Sections")))
        : QString();
    return rs->text(QStringLiteral("Text")) + NewLine + NewLine + reference;
}

QString GetWordsFromGod(int withReference)
{
    const int id = int(QRandomGenerator::global()->bounded(31102)) + 1;
    return WordsFromGodForId(id, withReference);
}

namespace {

// The height text takes laid out the way a plain-text box lays it out: each line wrapped at the
// width, at word boundaries where it can, each paragraph at least one line.
qreal plainTextHeight(const QString& text, const QFont& font, qreal width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal height = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(width);
            height += line.height();
        }
        layout.endLayout();
    }
    return height;
}

} // namespace

VerseOfTheDayLayout LayOutVerseOfTheDay(const QString& verse, const QFont& documented, const QSize& area)
{
    const QString compact = QString(verse).replace(QStringLiteral("\n\n"), QStringLiteral(" "));
    const struct { QString text; qreal smallest; } layouts[] = {{QStringLiteral("\n") + verse, 7.0}, {compact, 5.5}};
    VerseOfTheDayLayout out;
    for (const auto& layout : layouts) {
        out.text = layout.text;
        out.font = documented;
        const auto fits = [&] { return plainTextHeight(out.text, out.font, area.width()) <= area.height(); };
        while (!fits() && out.font.pointSizeF() - 0.5 >= layout.smallest)
            out.font.setPointSizeF(out.font.pointSizeF() - 0.5);
        out.fits = fits();
        if (out.fits)
            break;
    }
    return out;
}

} // namespace kivra
