#pragma once
// A passage of one book, the passage query over tblBible and the text the reading pane shows for it.
#include "storage/Recordset.h"

namespace kivra {

struct OptionValues;

// Chapter-and-verse key: chapter * 1000 + verse, ordered like the six-digit text "cccvvv".
constexpr int VerseKey(int chapter, int verse) { return chapter * 1000 + verse; }

// A verse range within one book. The book is named as the selectors show it and bookmarks and
// stories store it; its abbreviation and testament come from the book catalogue.
struct Passage {
    QString book;
    int fromChapter = 0, fromVerse = 0, toChapter = 0, toVerse = 0;

    int fromKey() const { return VerseKey(fromChapter, fromVerse); }
    int toKey() const { return VerseKey(toChapter, toVerse); }
    bool operator==(const Passage&) const = default;
};

// A passage from stored texts; a number that does not read as one gives 0.
Passage PassageFromTexts(const QString& book, const QString& fromChapter, const QString& fromVerse,
                         const QString& toChapter, const QString& toVerse);

// The shown name of the passage's testament ("Old Testament"), as stored passages hold it; empty
// for a book the Bible does not have.
QString TestamentOf(const Passage& passage);

// The verses from the start key to the end key inclusive, in ID order (nullptr on a database error;
// no rows for a book the Bible does not have).
RecordsetPtr QueryPassage(const Passage& passage);
// The same from the built-in Bible, whichever Bible is chosen.
RecordsetPtr QueryBuiltInPassage(const Passage& passage);

// Whether the book is known, both ends name verses it has and the range does not run backwards.
bool PassageExists(const Passage& passage);

// The verses written one after another: text, then "(c:v)" when ShowChapterSection is 1, then two
// line breaks when InsertNewLineAfterText is 1. Line breaks are written as newline.
QString RenderPassage(const Recordset& verses, const OptionValues& values, const QString& newline);

// Where each verse starts in rendered text, so a selection can be mapped back to verses.
struct VerseSpan {
    int start = 0;  // offset of the verse's first character
    int chapter = 0, section = 0;
};
QString RenderPassage(const Recordset& verses, const OptionValues& values, const QString& newline,
                      QList<VerseSpan>* spans);

// The verses a selection [from, to) of rendered text touches, as "(Book c:v-c:v)"; the empty text
// when spans is empty.
QString SelectionReference(const QList<VerseSpan>& spans, const QString& book, int from, int to);
// Text for "Copy with reference": the text without trailing line breaks, a line break, the reference.
QString TextWithReference(const QString& text, const QString& reference);

// "[Old Testament] : [Genesis] : 1:1 - 1:31"; the testament is left empty for a book the Bible does
// not have.
QString PassageStatusText(const Passage& passage);

// A stored passage's fields: <prefix>Testament, Book, Chapter, Section, ToBook, ToChapter and
// ToSection ("BookMark" in bookmarks and the options row, "Story" in story parts). The options row
// has no ToBook field; the other rows keep the book there too.
void WritePassageFields(Recordset& row, const QString& prefix, const Passage& passage);
Passage ReadPassageFields(const Recordset& row, const QString& prefix);

// Reads "1:1-1:31" (blanks allowed) into the passage's numbers; false when it is no range.
bool ParseVerseRange(const QString& text, Passage* passage);

} // namespace kivra
