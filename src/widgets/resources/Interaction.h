#pragma once
// Everything that waits for a person goes through here: message boxes, file, font and colour dialogs,
// questions, so that another Interaction can stand in for the real dialogs.
#include "resources/Strings.h"
#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

class QPrinter;
class QUrl;
class QWidget;

namespace kivra {

class Interaction {
public:
    virtual ~Interaction() = default;
    // A message box with OK only, titled "Kivra! Bible"; text is the string-table text of id.
    virtual void showMessage(Message id, const QString& text, QWidget* parent);
    // A yes/no question; true for yes.
    virtual bool ask(const QString& title, const QString& text, QWidget* parent);
    // File dialogs; filter uses Qt's form ("Bookmark (*.kbm)"); the empty text means Cancel.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& initialName,
                                 const QString& filter);
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& initialName,
                                 const QString& filter);
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial);
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial);
    // Opens an address in the desktop's browser; false when the desktop could not.
    virtual bool openUrl(const QUrl& address);
    // The system's default printer, or nullptr when there is none.
    virtual std::unique_ptr<QPrinter> defaultPrinter();
};

// A printer set up for the named system printer, or none when no such printer exists: Qt itself would
// quietly fall back to the default printer, or to a PDF file with no name.
std::unique_ptr<QPrinter> openSystemPrinter(const QString& name);

// Where a file dialog opens: an absolute initial name as it is; otherwise that name in the folder
// of the last file chosen in this run, else in the user's documents (else home).
QString FileDialogStart(const QString& initialName);

// The name with extension ("kbm") added when it has none: "All Bookmarks" becomes "All Bookmarks.kbm",
// "Dr. Smith" (no extension, though it holds a dot) "Dr. Smith.kbm"; "notes.kbm" stays.
QString WithExtension(const QString& name, const QString& extension);
// A name offered for a file: a "/" in it (a story called "Ruth/Naomi") would name a folder.
QString OfferedFileName(const QString& name);

Interaction& interaction();
// Replaces the interaction (nullptr restores the real dialogs); the caller keeps ownership.
void setInteraction(Interaction* replacement);

// Shows string-table message id; extra arguments fill %1, %2, ... of the text.
void ShowMessage(Message id, QWidget* parent = nullptr, const QStringList& args = {});

// Shows the wait cursor for its lifetime, restored on every exit path.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Waits the given seconds while the windows keep processing their events.
void Pause(double seconds);

} // namespace kivra
