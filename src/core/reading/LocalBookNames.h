#pragma once
// The Bible's book names and abbreviations in the reader's language or in the chosen Bible's, read
// from the locale files of the SWORD library (plain "key=value" files under [sections], no library needed). A book is known
// by its OSIS id ("Gen", "1Cor"), which is also the Bible database's book abbreviation, so the
// English names stored in passages never change.
#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace kivra {

struct BibleBook;

inline const QString SwordLocaleFolder = QStringLiteral("/usr/share/sword/locales.d");

class LocalBookNames {
public:
    // The names of one locale file; empty when it cannot be read or names no book.
    static LocalBookNames read(const QString& path);
    // The locale file of the first of the locale's languages that has one ("de_DE", then "de");
    // empty for English, which the database speaks, and for a language without a file.
    static QString fileFor(const QLocale& locale, const QString& folder = SwordLocaleFolder);
    // The same for one language code as a module names it ("es", "pt-BR").
    static QString fileForLanguage(const QString& language, const QString& folder = SwordLocaleFolder);

    bool isEmpty() const { return m_names.isEmpty(); }
    // "1. Mose" for "Gen"; empty when the file does not name the book.
    QString name(const QString& osisId) const { return m_names.value(osisId); }
    // Every form a reader may type for the book: its name and the file's abbreviations.
    QStringList forms(const QString& osisId) const { return m_forms.value(osisId); }

private:
    QHash<QString, QString> m_names;
    QHash<QString, QStringList> m_forms;
};

// The book names of the reader's language; none (English) until UseReaderLanguage is called.
const LocalBookNames& ReaderBookNames();
// Reads the names for the locale's language; English or a language without a file leaves none.
void UseReaderLanguage(const QLocale& locale, const QString& folder = SwordLocaleFolder);

// The names the reader sees: those of the chosen Bible's language (none for an English one), else,
// for the built-in Bible or a language without a locale file, those of the reader's language.
const LocalBookNames& ShownBookNames();

// What a reader sees for a book: its name in ShownBookNames(), else the database's.
QString ShownBookName(const BibleBook& book);
// The same for a book's English name as a passage stores it; the name itself for an unknown book.
QString ShownBookName(const QString& storedName);

} // namespace kivra
