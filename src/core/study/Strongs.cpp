#include "study/Strongs.h"

#include "shelf/CleanText.h"
#include "shelf/Shelf.h"
#include "shelf/SwordLibrary.h"

#include <algorithm>
#include <string_view>

namespace kivra {
namespace {

bool hasConfValue(SwordLibrary& library, const QString& module, const QString& key, const QString& value)
{
    return library.configValues(module, key).contains(value);
}

// An element of the markup: where its tag begins, its content and its end.
struct Element {
    size_t begin = std::string_view::npos, contentBegin = 0, contentEnd = 0, end = 0;
    std::string_view tag;
    bool found() const { return begin != std::string_view::npos; }
};

// The first element called name at or after from whose opening tag satisfies wanted.
template <typename Wanted>
Element findElement(std::string_view raw, std::string_view name, Wanted wanted, size_t from = 0)
{
    const std::string open = "<" + std::string(name);
    const std::string close = "</" + std::string(name) + ">";
    for (size_t at = raw.find(open, from); at != std::string_view::npos; at = raw.find(open, at + 1)) {
        const size_t after = at + open.size();
        if (after >= raw.size() || (raw[after] != '>' && raw[after] != ' '))
            continue;
        const size_t tagEnd = raw.find('>', at);
        if (tagEnd == std::string_view::npos)
            break;
        const std::string_view tag = raw.substr(at, tagEnd - at + 1);
        if (!wanted(tag))
            continue;
        Element e;
        e.begin = at;
        e.tag = tag;
        e.contentBegin = tagEnd + 1;
        const size_t closing = raw.find(close, e.contentBegin);
        e.contentEnd = closing == std::string_view::npos ? raw.size() : closing;
        e.end = closing == std::string_view::npos ? raw.size() : closing + close.size();
        return e;
    }
    return {};
}

QString contentText(std::string_view raw, const Element& e)
{
    return e.found() ? QString::fromUtf8(CleanEntryText(raw.substr(e.contentBegin, e.contentEnd - e.contentBegin)))
                     : QString();
}

bool typed(std::string_view tag, std::string_view type)
{
    return tag.find("type=\"" + std::string(type) + "\"") != std::string_view::npos;
}

// The lexicon of the language: the dictionary whose conf says it defines Hebrew or Greek Strong's
// numbers, else the one of the usual name; empty when there is none that can be read.
QString lexiconModule(const StrongsNumber& number)
{
    Shelf& shelf = Shelf::instance();
    SwordLibrary* library = shelf.library();
    if (!library)
        return {};
    const QString feature = number.hebrew() ? QStringLiteral("HebrewDef") : QStringLiteral("GreekDef");
    for (const ModuleInfo& info : shelf.modulesOf(ModuleKind::Dictionary))
        if (hasConfValue(*library, info.name, QStringLiteral("Feature"), feature))
            return info.name;
    const ModuleInfo* usual = shelf.module(number.hebrew() ? QStringLiteral("StrongsHebrew") : QStringLiteral("StrongsGreek"));
    return usual && usual->usable() ? usual->name : QString();
}

} // namespace

std::optional<StrongsNumber> StrongsNumber::parse(QStringView text)
{
    text = text.trimmed();
    if (text.startsWith(u"strong:", Qt::CaseInsensitive))
        text = text.mid(7);
    if (text.size() < 2)
        return std::nullopt;
    const QChar letter = text[0].toUpper();
    if (letter != u'H' && letter != u'G')
        return std::nullopt;
    qsizetype digits = 1;
    while (digits < text.size() && text[digits].isDigit())
        ++digits;
    if (digits == 1 || digits > 7 || (digits < text.size() && (digits + 1 < text.size() || !text[digits].isLetter())))
        return std::nullopt;
    const int value = text.mid(1, digits - 1).toInt();
    if (value <= 0)
        return std::nullopt;
    return StrongsNumber{char(letter.toLatin1()), value};
}

QString StrongsNumber::text() const
{
    return QLatin1Char(language) + QString::number(number);
}

QString Lexicon::package(const StrongsNumber& number)
{
    return number.hebrew() ? QStringLiteral("sword-dict-strongs-hebrew") : QStringLiteral("sword-dict-strongs-greek");
}

std::optional<LexiconEntry> Lexicon::lookUp(const StrongsNumber& number, QString* error)
{
    const QString module = lexiconModule(number);
    if (module.isEmpty()) {
        *error = (number.hebrew() ? tr("No lexicon of Strong's Hebrew numbers is installed; the package %1 brings one.")
                                  : tr("No lexicon of Strong's Greek numbers is installed; the package %1 brings one."))
                     .arg(package(number));
        return std::nullopt;
    }
    // The keys are numbers of five digits ("00430"); some lexicons write four.
    for (int width : {5, 4}) {
        const QByteArray key = QByteArray::number(number.number).rightJustified(width, '0');
        if (const std::optional<QByteArray> raw = Shelf::instance().library()->keyEntry(module, key)) {
            LexiconEntry entry = parseEntry(number, *raw);
            entry.module = module;
            return entry;
        }
    }
    *error = tr("%1 has no entry for %2.").arg(module, number.text());
    return std::nullopt;
}

LexiconEntry Lexicon::parseEntry(const StrongsNumber& number, const QByteArray& markup)
{
    std::string raw = markup.toStdString();
    const auto any = [](std::string_view) { return true; };
    const Element word = findElement(raw, "orth", [](std::string_view tag) { return tag.find("type=") == std::string_view::npos; });
    const Element trans = findElement(raw, "orth", [](std::string_view tag) { return typed(tag, "trans"); });
    const Element pron = findElement(raw, "pron", any);
    LexiconEntry entry;
    entry.number = number;
    entry.word = contentText(raw, word);
    entry.transliteration = contentText(raw, trans);
    entry.pronunciation = contentText(raw, pron);
    // The text leaves out the heading it shows apart and the Greek in Beta code, which is for machines.
    std::vector<std::pair<size_t, size_t>> cuts;
    for (const Element* e : {&word, &trans, &pron})
        if (e->found())
            cuts.emplace_back(e->begin, e->end);
    const auto writing = [](std::string_view tag) { return typed(tag, "writing"); };
    for (Element e = findElement(raw, "orth", writing); e.found(); e = findElement(raw, "orth", writing, e.end))
        cuts.emplace_back(e.begin, e.end);
    std::sort(cuts.begin(), cuts.end());
    for (auto cut = cuts.rbegin(); cut != cuts.rend(); ++cut)
        raw.replace(cut->first, cut->second - cut->first, " ");
    entry.text = QString::fromUtf8(CleanEntryText(raw));
    return entry;
}

// ---- the index of a module's words

std::shared_ptr<const StrongsIndex> StrongsIndex::of(const std::shared_ptr<const ModuleText>& text)
{
    static std::weak_ptr<const ModuleText> madeFor;
    static std::shared_ptr<const StrongsIndex> made;
    if (!text)
        return nullptr;
    if (madeFor.lock() == text)
        return made;
    madeFor = text;
    made.reset();
    Shelf& shelf = Shelf::instance();
    const ModuleInfo* info = shelf.module(text->info().name);
    SwordLibrary* library = info && info->usable() ? shelf.library() : nullptr;
    if (!library || !library->verseKeyed(info->name)
        || !(hasConfValue(*library, info->name, QStringLiteral("Feature"), QStringLiteral("StrongsNumbers"))
             || hasConfValue(*library, info->name, QStringLiteral("GlobalOptionFilter"), QStringLiteral("OSISStrongs"))))
        return nullptr;
    auto index = std::make_shared<StrongsIndex>();
    std::vector<StrongsWord> words;
    QByteArray lastBookName;
    int book = -1, lastEntry = -1;
    library->visitEntries(info->name, [&](const QByteArray& bookName, int chapter, int verse, std::string_view raw) {
        words.clear();
        const QByteArray clean = CleanEntryText(raw, &words);
        if (clean.isEmpty() || words.empty())
            return;
        if (bookName != lastBookName) {
            lastBookName = bookName;
            book = text->bookIndex(QString::fromUtf8(bookName));
        }
        const int entry = text->find(book, chapter, verse);
        if (entry <= lastEntry)
            return;  // not an entry of the text (or one already read)
        while (int(index->m_entryStarts.size()) <= entry)
            index->m_entryStarts.push_back(quint32(index->m_words.size()));
        lastEntry = entry;
        for (const StrongsWord& w : words) {
            Word word;
            word.start = quint16(std::min<qsizetype>(w.start, 0xFFFF));
            word.end = quint16(std::min<qsizetype>(w.end, 0xFFFF));
            word.firstNumber = quint32(index->m_numbers.size());
            for (const QByteArray& token : w.numbers.split(' '))
                if (const auto number = StrongsNumber::parse(QString::fromLatin1(token)))
                    index->m_numbers.push_back(number->code());
            word.numberCount = quint16(index->m_numbers.size() - word.firstNumber);
            if (word.numberCount > 0)
                index->m_words.push_back(word);
        }
    });
    if (index->m_words.empty())
        return nullptr;
    while (int(index->m_entryStarts.size()) <= text->size())
        index->m_entryStarts.push_back(quint32(index->m_words.size()));
    made = index;
    return made;
}

QList<StrongsIndex::Word> StrongsIndex::wordsOf(int entry) const
{
    if (entry < 0 || size_t(entry) + 1 >= m_entryStarts.size())
        return {};
    return QList<Word>(m_words.begin() + m_entryStarts[size_t(entry)], m_words.begin() + m_entryStarts[size_t(entry) + 1]);
}

QList<StrongsNumber> StrongsIndex::numbersOf(const Word& word) const
{
    QList<StrongsNumber> numbers;
    for (quint32 i = word.firstNumber; i < word.firstNumber + word.numberCount; ++i) {
        const quint32 code = m_numbers[i];
        numbers.append({(code >> 24) ? 'G' : 'H', int(code & 0xFFFFFF)});
    }
    return numbers;
}

std::optional<StrongsIndex::Word> StrongsIndex::wordAt(int entry, qsizetype at) const
{
    for (const Word& word : wordsOf(entry))
        if (at >= word.start && at < word.end)
            return word;
    return std::nullopt;
}

QList<int> StrongsIndex::entriesWith(const StrongsNumber& number) const
{
    // One pass over the numbers, which lie one after another; the rare hit is traced back to its
    // word and entry by binary search.
    const quint32 code = number.code();
    QList<int> entries;
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        if (m_numbers[i] != code)
            continue;
        const auto word = std::upper_bound(m_words.begin(), m_words.end(), quint32(i),
                                           [](quint32 at, const Word& w) { return at < w.firstNumber; }) - 1;
        const quint32 wordIndex = quint32(word - m_words.begin());
        const int entry = int(std::upper_bound(m_entryStarts.begin(), m_entryStarts.end(), wordIndex) - m_entryStarts.begin()) - 1;
        if (entries.isEmpty() || entries.last() != entry)
            entries << entry;
    }
    return entries;
}

QList<QPair<int, int>> StrongsIndex::rangesOf(int entry, const StrongsNumber& number) const
{
    QList<QPair<int, int>> ranges;
    for (const Word& word : wordsOf(entry))
        if (numbersOf(word).contains(number))
            ranges.append({word.start, word.end});
    return ranges;
}

} // namespace kivra
