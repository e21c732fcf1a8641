#include "study/Commentary.h"

#include "reading/BookCatalogue.h"
#include "shelf/CleanText.h"
#include "shelf/Shelf.h"
#include "shelf/SwordLibrary.h"

#include <QRegularExpression>
#include <memory>

namespace kivra {
namespace {

std::string_view tagName(std::string_view tag)
{
    size_t from = tag.size() > 1 && tag[1] == '/' ? 2 : 1;
    size_t to = from;
    while (to < tag.size() && tag[to] != ' ' && tag[to] != '>' && tag[to] != '/')
        ++to;
    return tag.substr(from, to - from);
}

std::string_view attribute(std::string_view tag, std::string_view name)
{
    const std::string key = " " + std::string(name) + "=\"";
    const size_t at = tag.find(key);
    if (at == std::string_view::npos)
        return {};
    const size_t from = at + key.size();
    const size_t to = tag.find('"', from);
    return to == std::string_view::npos ? std::string_view() : tag.substr(from, to - from);
}

// Tags after which a new paragraph starts.
bool startsParagraph(std::string_view tag, std::string_view name)
{
    if (name == "div")
        return !attribute(tag, "sID").empty() || (tag[1] != '/' && attribute(tag, "eID").empty() && tag[tag.size() - 2] != '/');
    for (std::string_view block : {"lb", "p", "item", "title", "list", "l", "lg", "br"})
        if (name == block)
            return true;
    return false;
}

class Builder {
public:
    // A piece of markup between two tags that matter here, cleaned as every entry is; a blank at
    // either end of it is kept, so the pieces join as the words stood.
    void text(std::string_view piece)
    {
        std::string framed = "a";
        framed.append(piece);
        framed += 'a';
        QString clean = QString::fromUtf8(CleanEntryText(framed));
        clean = clean.mid(1, clean.size() - 2);
        if (clean.isEmpty())
            return;
        if (m_paragraphs.isEmpty())
            m_paragraphs.append(CommentaryParagraph());
        CommentaryParagraph& paragraph = m_paragraphs.last();
        const bool bold = m_bold > 0 || m_title > 0, italic = m_italic > 0;
        if (!paragraph.isEmpty() && paragraph.last().link == m_link && paragraph.last().bold == bold
            && paragraph.last().italic == italic) {
            paragraph.last().text += clean;
        } else {
            paragraph.append({clean, m_link, bold, italic});
        }
    }
    void tag(std::string_view tag)
    {
        const std::string_view name = tagName(tag);
        const bool closing = tag[1] == '/';
        const bool selfClosing = tag[tag.size() - 2] == '/';
        if (name == "reference") {
            m_link = closing ? QString() : QString::fromUtf8(attribute(tag, "osisRef").data(), qsizetype(attribute(tag, "osisRef").size()));
        } else if (name == "hi" && !selfClosing) {
            const std::string_view type = attribute(tag, "type");
            const char kind = closing ? 0 : type == "bold" ? 'b' : (type == "italic" || type == "emphasis") ? 'i' : '-';
            hi(closing, kind);
        } else if (name == "title" && !selfClosing) {
            m_title += closing ? -1 : 1;
        }
        if (startsParagraph(tag, name))
            m_paragraphs.append(CommentaryParagraph());
    }
    QList<CommentaryParagraph> take()
    {
        QList<CommentaryParagraph> paragraphs;
        for (CommentaryParagraph& paragraph : m_paragraphs) {
            // Blanks at a paragraph's ends are the markup's layout, not the text's.
            while (!paragraph.isEmpty() && paragraph.first().text.trimmed().isEmpty())
                paragraph.removeFirst();
            while (!paragraph.isEmpty() && paragraph.last().text.trimmed().isEmpty())
                paragraph.removeLast();
            if (paragraph.isEmpty())
                continue;
            while (paragraph.first().text.startsWith(u' '))
                paragraph.first().text.remove(0, 1);
            while (paragraph.last().text.endsWith(u' '))
                paragraph.last().text.chop(1);
            for (qsizetype i = 1; i < paragraph.size(); ++i)
                if (paragraph[i - 1].text.endsWith(u' ') && paragraph[i].text.startsWith(u' '))
                    paragraph[i].text.remove(0, 1);
            paragraphs.append(paragraph);
        }
        return paragraphs;
    }

private:
    void hi(bool closing, char kind)
    {
        if (closing) {
            if (m_hiKinds.isEmpty())
                return;
            kind = m_hiKinds.takeLast();
            (kind == 'b' ? m_bold : kind == 'i' ? m_italic : m_other) -= 1;
        } else {
            m_hiKinds.append(kind);
            (kind == 'b' ? m_bold : kind == 'i' ? m_italic : m_other) += 1;
        }
    }

    QList<CommentaryParagraph> m_paragraphs;
    QString m_link;
    QList<char> m_hiKinds;
    int m_bold = 0, m_italic = 0, m_other = 0, m_title = 0;
};

// Whether the tag changes the runs: links, emphasis, titles and paragraph breaks. Notes stay with
// the text, which leaves them out.
bool mattersHere(std::string_view tag)
{
    const std::string_view name = tagName(tag);
    return name == "reference" || name == "hi" || name == "title" || startsParagraph(tag, name);
}

} // namespace

QString CommentaryNote::plainText() const
{
    QStringList lines;
    for (const CommentaryParagraph& paragraph : paragraphs) {
        QString line;
        for (const CommentaryRun& run : paragraph)
            line += run.text;
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

QList<CommentaryParagraph> Commentary::paragraphs(std::string_view raw)
{
    Builder builder;
    size_t pieceStart = 0, at = 0;
    while (at < raw.size()) {
        const size_t open = raw.find('<', at);
        if (open == std::string_view::npos)
            break;
        const size_t close = raw.find('>', open);
        if (close == std::string_view::npos)
            break;
        const std::string_view tag = raw.substr(open, close - open + 1);
        if (tagName(tag) == "note" && tag[1] != '/') {
            // A note inside the note is left out with its content, as the text leaves it out.
            const size_t end = raw.find("</note>", close);
            at = end == std::string_view::npos ? raw.size() : end + 7;
            continue;
        }
        at = close + 1;
        if (!mattersHere(tag))
            continue;
        builder.text(raw.substr(pieceStart, open - pieceStart));
        builder.tag(tag);
        pieceStart = at;
    }
    builder.text(raw.substr(pieceStart));
    return builder.take();
}

std::optional<QList<CommentaryNote>> Commentary::notes(const QString& module, const QString& osisBook,
                                                       const Passage& verses, QString* error)
{
    Shelf& shelf = Shelf::instance();
    const ModuleInfo* info = shelf.module(module);
    if (!info || info->kind != ModuleKind::Commentary) {
        *error = tr("There is no commentary \"%1\".").arg(module);
        return std::nullopt;
    }
    if (!info->usable()) {
        *error = tr("%1 cannot be read: %2.").arg(info->name, info->problem);
        return std::nullopt;
    }
    SwordLibrary* library = shelf.library();
    if (!library || !library->verseKeyed(info->name)) {
        *error = tr("%1 cannot be read: it is not keyed by verse.").arg(info->name);
        return std::nullopt;
    }
    QList<CommentaryNote> notes;
    QByteArray previous;
    for (int chapter = verses.fromChapter; chapter <= verses.toChapter; ++chapter) {
        const int last = chapter == verses.toChapter ? verses.toVerse : 999;
        for (int verse = chapter == verses.fromChapter ? verses.fromVerse : 1; verse <= last; ++verse) {
            const std::optional<QByteArray> entry = library->verseEntry(info->name, osisBook, chapter, verse);
            if (!entry)
                break;  // past the chapter's last verse in the commentary's versification
            const QByteArray& raw = *entry;
            if (raw.trimmed().isEmpty())
                continue;
            // Verses linked to one entry share it: the note comes once, for all of them.
            if (raw == previous && !notes.isEmpty() && notes.last().chapter == chapter) {
                notes.last().toVerse = verse;
                continue;
            }
            previous = raw;
            CommentaryNote note{chapter, verse, verse, paragraphs(std::string_view(raw.constData(), size_t(raw.size())))};
            if (!note.paragraphs.isEmpty())
                notes << note;
        }
    }
    return notes;
}

std::optional<Passage> Commentary::linkPassage(const QString& link)
{
    QString text = link.trimmed();
    // "Scofield:Mt 4:8" names a work before the passage.
    const qsizetype colon = text.indexOf(u':');
    if (colon > 0 && !text.left(colon).contains(u' ') && !text.left(colon).contains(QRegularExpression(QStringLiteral("\\d"))))
        text = text.mid(colon + 1);
    SwordLibrary* library = LoadedSwordLibrary();
    const std::optional<ListedPassage> span = library ? library->parseVerseList(text) : std::nullopt;
    if (!span)
        return std::nullopt;
    const auto books = BibleBooks();
    const BibleBook* book = books->bookAbbreviated(span->fromBook);
    if (!book)
        return std::nullopt;
    Passage passage{book->name, span->fromChapter, span->fromVerse, span->toChapter, span->toVerse};
    if (!span->oneBook || passage.toKey() < passage.fromKey())
        passage.toChapter = passage.fromChapter, passage.toVerse = passage.fromVerse;
    if (!PassageExists(passage))
        return std::nullopt;
    return passage;
}

} // namespace kivra
