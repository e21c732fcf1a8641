#pragma once
// The passage query over tblBible and the text the reading pane shows for it.
#include "storage/Recordset.h"
#include "settings/Options.h"

namespace kivra {

struct PassageKey {
    QString testamentWord;     // Old or New
    QString bookAbbreviation;
    int fromChapter = 0, fromSection = 0, toChapter = 0, toSection = 0;
};

// Chapter-and-verse key: chapter * 1000 + verse, ordered like the six-digit text "cccvvv".
constexpr int VerseKey(int chapter, int verse) { return chapter * 1000 + verse; }

// The verses from the start key to the end key inclusive, in ID order (nullptr on a database error).
RecordsetPtr QueryPassage(const PassageKey& key);

// Whether both ends name verses the book has and the range does not run backwards.
bool PassageRangeExists(const PassageKey& key);

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

// "[Old Testament] : [Genesis] : 1:1 - 1:31"
QString PassageStatusText(const QString& testament, const QString& book, const QString& fromChapter,
                          const QString& fromSection, const QString& toChapter, const QString& toSection);

// Parses "1:1-1:31" (blanks allowed); false when it is no range.
bool ParseVerseRange(const QString& text, int* fromChapter, int* fromSection, int* toChapter, int* toSection);

} // namespace kivra
