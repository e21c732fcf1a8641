#pragma once
// Two or three Bibles side by side: one row per verse of a passage, each Bible's text of that verse
// in its column. The rows count verses as the chosen Bible does; a Bible of another versification
// has its verses placed by the library's mapping between the two (a psalm's title, verse 0, gets a
// row of its own), and a verse one Bible lacks leaves its cell empty.
#include "reading/Passage.h"

#include <QList>
#include <QStringList>

namespace kivra {

struct ComparedVerse {
    int chapter = 0, verse = 0;  // verse 0: the chapter's title
    QStringList texts;  // one per Bible, in the order asked; empty where a Bible lacks the verse
};

// bibles are module names, the empty name for the built-in Bible. A Bible that cannot be read adds
// its reason to errors and an empty column.
QList<ComparedVerse> CompareBibles(const QStringList& bibles, const Passage& passage, QStringList* errors = nullptr);

} // namespace kivra
