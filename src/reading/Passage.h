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

// The verses written one after another: text, then "(c:v)" when ShowChapterSection is 1, then two
// line breaks when InsertNewLineAfterText is 1. Line breaks are written as newline.
QString RenderPassage(const Recordset& verses, const OptionValues& values, const QString& newline);

// "[Old Testament] : [Genesis] : 1:1 - 1:31"
QString PassageStatusText(const QString& testament, const QString& book, const QString& fromChapter,
                          const QString& fromSection, const QString& toChapter, const QString& toSection);

// Parses "1:1-1:31" (blanks allowed); false when it is no range.
bool ParseVerseRange(const QString& text, int* fromChapter, int* fromSection, int* toChapter, int* toSection);

} // namespace kivra
