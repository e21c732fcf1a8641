#include "shelf/CleanText.h"

#include <QString>
#include <cctype>

namespace kivra {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// A letter, digit or any character outside ASCII: what a word is made of on either side of a break.
bool isWordByte(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
}

// The tag's name in lower case, without '/' and attributes ("note" for "</note>", "rf" for "<RF>").
std::string_view tagName(std::string_view tag)
{
    size_t from = 1;
    if (from < tag.size() && tag[from] == '/')
        ++from;
    size_t to = from;
    while (to < tag.size() && !isBlank(tag[to]) && tag[to] != '>' && tag[to] != '/')
        ++to;
    return tag.substr(from, to - from);
}

bool sameName(std::string_view name, std::string_view lowerName)
{
    if (name.size() != lowerName.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != lowerName[i])
            return false;
    return true;
}

// Tags that end a line or a block: the words on either side belong apart.
bool breaksWords(std::string_view name)
{
    for (std::string_view block : {"lb", "br", "p", "div", "l", "lg", "title", "chapter", "verse", "milestone",
                                   "row", "cell", "item", "list", "cm", "cl", "head", "table"})
        if (sameName(name, block))
            return true;
    return false;
}

// The end of the footnote that starts with tag at at: after its closing tag, or the end of the text.
size_t afterNote(std::string_view raw, size_t at, bool gbf)
{
    int depth = 0;
    while (at < raw.size()) {
        const size_t open = raw.find('<', at);
        if (open == std::string_view::npos)
            return raw.size();
        size_t close = raw.find('>', open);
        if (close == std::string_view::npos)
            return raw.size();
        const std::string_view tag = raw.substr(open, close - open + 1);
        at = close + 1;
        if (gbf) {
            if (tag == "<Rf>")
                return at;
            continue;
        }
        if (!sameName(tagName(tag), "note"))
            continue;
        if (tag[1] == '/')
            --depth;
        else if (tag[tag.size() - 2] != '/')
            ++depth;
        if (depth == 0)
            return at;
    }
    return raw.size();
}

// The character an entity names (without '&' and ';'), or empty when it is none we know.
QByteArray entity(std::string_view name)
{
    if (name == "amp") return "&";
    if (name == "lt") return "<";
    if (name == "gt") return ">";
    if (name == "quot") return "\"";
    if (name == "apos") return "'";
    if (name == "nbsp") return " ";
    if (name.size() > 1 && name[0] == '#') {
        bool ok = false;
        const QByteArray digits(name.data() + 1, qsizetype(name.size() - 1));
        const uint code = digits.startsWith('x') || digits.startsWith('X') ? digits.mid(1).toUInt(&ok, 16)
                                                                          : digits.toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF)
            return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1).toUtf8();
    }
    return {};
}

// The Strong's numbers a <w> tag carries in its lemma or savlm attribute, blank-separated and
// without their "strong:" prefix; empty when it has none.
QByteArray strongsNumbers(std::string_view tag)
{
    QByteArray numbers;
    for (std::string_view attribute : {" lemma=\"", " savlm=\""}) {
        const size_t at = tag.find(attribute);
        if (at == std::string_view::npos)
            continue;
        const size_t from = at + attribute.size();
        const size_t to = tag.find('"', from);
        std::string_view value = tag.substr(from, to == std::string_view::npos ? std::string_view::npos : to - from);
        while (!value.empty()) {
            const size_t blank = value.find(' ');
            const std::string_view token = value.substr(0, blank);
            value = blank == std::string_view::npos ? std::string_view() : value.substr(blank + 1);
            if (token.size() > 7 && token.substr(0, 7) == "strong:") {
                if (!numbers.isEmpty())
                    numbers += ' ';
                numbers.append(token.data() + 7, qsizetype(token.size() - 7));
            }
        }
        if (!numbers.isEmpty())
            break;
    }
    return numbers;
}

class Writer {
public:
    // The next character written is recorded in *slot (its position), once.
    void markNext(qsizetype* slot) { m_slot = slot; }
    qsizetype size() const { return m_out.size(); }
    void breakWords() { m_pendingBreak = true; }
    void put(const QByteArray& bytes)
    {
        for (char c : bytes)
            put(c);
    }
    void put(char c)
    {
        if (isBlank(c)) {
            m_pendingBlank = !m_out.isEmpty();
            return;
        }
        if (m_pendingBlank || (m_pendingBreak && isWordByte(c) && !m_out.isEmpty() && isWordByte(m_out.back())))
            m_out += ' ';
        m_pendingBlank = m_pendingBreak = false;
        if (m_slot) {
            *m_slot = m_out.size();
            m_slot = nullptr;
        }
        m_out += c;
    }
    QByteArray take() { return std::move(m_out); }

private:
    QByteArray m_out;
    bool m_pendingBlank = false, m_pendingBreak = false;
    qsizetype* m_slot = nullptr;
};

} // namespace

QByteArray CleanEntryText(std::string_view raw, std::vector<StrongsWord>* words)
{
    Writer out;
    size_t at = 0;
    size_t openWord = 0;  // 1 + the position in words of the marked word being read; 0 outside one
    qsizetype openStart = -1;
    while (at < raw.size()) {
        const char c = raw[at];
        if (c == '<') {
            const size_t close = raw.find('>', at);
            if (close == std::string_view::npos)
                break;  // a cut-off tag: nothing after it is text
            const std::string_view tag = raw.substr(at, close - at + 1);
            const std::string_view name = tagName(tag);
            const bool selfClosing = tag.size() > 2 && tag[tag.size() - 2] == '/';
            if (tag[1] != '/' && !selfClosing && sameName(name, "note")) {
                at = afterNote(raw, at, false);
                out.breakWords();
            } else if (tag == "<RF>") {
                at = afterNote(raw, close + 1, true);
                out.breakWords();
            } else {
                if (words && sameName(name, "w") && !selfClosing) {
                    if (tag[1] == '/' && openWord) {
                        StrongsWord& word = (*words)[openWord - 1];
                        word.start = openStart;
                        word.end = out.size();
                        if (openStart < 0 || word.end <= word.start)
                            words->erase(words->begin() + qsizetype(openWord - 1));  // no text in it
                        openWord = 0;
                        out.markNext(nullptr);
                    } else if (tag[1] != '/' && !openWord) {
                        if (QByteArray numbers = strongsNumbers(tag); !numbers.isEmpty()) {
                            words->push_back({0, 0, std::move(numbers)});
                            openWord = words->size();
                            openStart = -1;
                            out.markNext(&openStart);
                        }
                    }
                }
                if (breaksWords(name))
                    out.breakWords();
                at = close + 1;
            }
        } else if (c == '&') {
            const size_t semicolon = raw.find(';', at);
            const QByteArray named = semicolon != std::string_view::npos && semicolon - at <= 10
                                         ? entity(raw.substr(at + 1, semicolon - at - 1))
                                         : QByteArray();
            if (named.isEmpty()) {
                out.put(c);
                ++at;
            } else {
                out.put(named);
                at = semicolon + 1;
            }
        } else if (c == '\xC2' && at + 1 < raw.size() && raw[at + 1] == '\xB6') {
            out.breakWords();  // the pilcrow marks a paragraph; it is no part of the words
            at += 2;
        } else {
            out.put(c);
            ++at;
        }
    }
    if (openWord)  // a word the entry never closed has no end to mark
        words->erase(words->begin() + qsizetype(openWord - 1));
    return out.take();
}

} // namespace kivra
