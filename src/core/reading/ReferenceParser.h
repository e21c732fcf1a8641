#pragma once
// Typed Bible references ("John 3:16", "jn 3:16-18", "Ps 23", "1co 13:4-7", "Gen 1:1-2:3") read
// against the books and chapter lengths of the Bible database. No widgets: the go-to box and the
// command line share it.
#include "reading/Passage.h"

namespace kivra {

class BookCatalogue;

// Reads text as a reference. A chapter alone is the whole chapter, and a range may cross chapters of
// one book; after a book of one chapter a single number is a verse. False with a message that names
// the wrong part ("Jude has 1 chapter.") when the text is no reference or names what does not exist.
bool ParseReference(const QString& text, const BookCatalogue& books, Passage* passage, QString* error);

// "John 3:16", "John 3:16-18", "Genesis 1:1-2:3": how a reference is written for a reader.
QString ReferenceText(const Passage& passage);

} // namespace kivra
