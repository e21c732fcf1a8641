#pragma once
// A commentary's notes on a passage, read from the SWORD module with their markup turned into
// readable text: paragraphs of runs, bold or italic as the commentary sets them, and its
// references kept as links that open the passage they name.
#include "reading/Passage.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>
#include <string_view>

namespace kivra {

struct CommentaryRun {
    QString text;
    QString link;  // the reference as the commentary writes it ("mt 10:6"); empty for plain text
    bool bold = false, italic = false;
};
using CommentaryParagraph = QList<CommentaryRun>;

struct CommentaryNote {
    int chapter = 0, fromVerse = 0, toVerse = 0;  // the verses the note belongs to
    QList<CommentaryParagraph> paragraphs;
    // The paragraphs as plain text, one line each.
    QString plainText() const;
};

class Commentary {
    Q_DECLARE_TR_FUNCTIONS(Commentary)
public:
    // The notes of the commentary called module on the verses from chapter:verse to chapter:verse
    // of the book (by its OSIS id), in order; a note several verses share comes once. Nothing, with
    // the reason in error, when the module is no readable commentary.
    static std::optional<QList<CommentaryNote>> notes(const QString& module, const QString& osisBook,
                                                      const Passage& verses, QString* error);
    // An entry's markup as paragraphs.
    static QList<CommentaryParagraph> paragraphs(std::string_view raw);
    // The passage a link names, its book as our passages name it ("Matthew" for "mt 10:6");
    // nothing when it names no verse of the chosen Bible.
    static std::optional<Passage> linkPassage(const QString& link);
};

} // namespace kivra
