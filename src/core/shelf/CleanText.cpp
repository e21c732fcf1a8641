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

class Writer {
public:
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
        m_out += c;
    }
    QByteArray take() { return std::move(m_out); }

private:
    QByteArray m_out;
    bool m_pendingBlank = false, m_pendingBreak = false;
};

} // namespace

QByteArray CleanEntryText(std::string_view raw)
{
    Writer out;
    size_t at = 0;
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
    return out.take();
}

} // namespace kivra
