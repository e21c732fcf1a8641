#include "resources/Interaction.h"

#include "resources/Strings.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QThread>
#include <QUrl>

namespace kivra {
namespace {
Interaction g_realInteraction;
Interaction* g_interaction = nullptr;
const QString AppTitle = QStringLiteral("Kivra! Bible");

// While a dialog waits for the user the pointer is the normal one, whatever busy pointer the work
// around it shows; that pointer comes back when the dialog closes and the work goes on.
class NormalCursorWhileWaiting {
public:
    NormalCursorWhileWaiting()
    {
        while (const QCursor* cursor = QGuiApplication::overrideCursor()) {
            m_saved.prepend(*cursor);
            QGuiApplication::restoreOverrideCursor();
        }
    }
    ~NormalCursorWhileWaiting()
    {
        for (const QCursor& cursor : m_saved)
            QGuiApplication::setOverrideCursor(cursor);
    }
    NormalCursorWhileWaiting(const NormalCursorWhileWaiting&) = delete;
    NormalCursorWhileWaiting& operator=(const NormalCursorWhileWaiting&) = delete;

private:
    QList<QCursor> m_saved;  // bottom of the stack first
};
} // namespace

void Interaction::showMessage(Message, const QString& text, QWidget* parent)
{
    const NormalCursorWhileWaiting waiting;
    QMessageBox::information(parent, AppTitle, text, QMessageBox::Ok);
}

bool Interaction::ask(const QString& title, const QString& text, QWidget* parent)
{
    const NormalCursorWhileWaiting waiting;
    return QMessageBox::question(parent, title.isEmpty() ? AppTitle : title, text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

// The folder of the last file chosen in a file dialog of this run.
static QString g_lastDialogFolder;

QString FileDialogStart(const QString& initialName)
{
    if (QFileInfo(initialName).isAbsolute())
        return initialName;
    // Not the folder the program happened to be started from: the last one used, else the documents.
    QString folder = g_lastDialogFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return initialName.isEmpty() ? folder : QDir(folder).filePath(initialName);
}

static QString rememberFolder(const QString& chosen)
{
    if (!chosen.isEmpty())
        g_lastDialogFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString WithExtension(const QString& name, const QString& extension)
{
    // An extension is a short word of letters and digits after the last dot: "notes.kbm",
    // "letter.txt"; the dot in "Dr. Smith" or "Psalm 23.5" starts none.
    static const QRegularExpression word(QStringLiteral("^[A-Za-z][A-Za-z0-9]{0,4}$"));
    const QString suffix = QFileInfo(name).suffix();
    if (!suffix.isEmpty() && word.match(suffix).hasMatch())
        return name;
    return name + u'.' + extension;
}

QString OfferedFileName(const QString& name)
{
    return QString(name).replace(u'/', u'-');
}

QString Interaction::openFileName(QWidget* parent, const QString& title, const QString& initialName,
                                  const QString& filter)
{
    const NormalCursorWhileWaiting waiting;
    return rememberFolder(QFileDialog::getOpenFileName(parent, title, FileDialogStart(initialName), filter));
}

QString Interaction::saveFileName(QWidget* parent, const QString& title, const QString& initialName,
                                  const QString& filter)
{
    const NormalCursorWhileWaiting waiting;
    // The overwrite question is asked by the callers, which know what they are about to replace.
    return rememberFolder(QFileDialog::getSaveFileName(parent, title, FileDialogStart(initialName), filter, nullptr,
                                                       QFileDialog::DontConfirmOverwrite));
}

// The font dialog finds the preset style by its name and otherwise takes the family's first style
// (an italic or condensed face for some families): name the style that shows the font as it is.
static QFont withStyleName(QFont font)
{
    const QString style = QFontInfo(font).styleName();
    if (!style.isEmpty() && QFontDatabase::styles(font.family()).contains(style))
        font.setStyleName(style);
    return font;
}

std::optional<QFont> Interaction::chooseFont(QWidget* parent, const QFont& initial)
{
    const NormalCursorWhileWaiting waiting;
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, withStyleName(initial), parent);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

std::optional<QColor> Interaction::chooseColour(QWidget* parent, const QColor& initial)
{
    const NormalCursorWhileWaiting waiting;
    const QColor colour = QColorDialog::getColor(initial, parent);
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

bool Interaction::openUrl(const QUrl& address) { return QDesktopServices::openUrl(address); }

std::unique_ptr<QPrinter> Interaction::defaultPrinter()
{
    return openSystemPrinter(QPrinterInfo::defaultPrinterName());
}

std::unique_ptr<QPrinter> openSystemPrinter(const QString& name)
{
    if (name.isEmpty() || QPrinterInfo::printerInfo(name).isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
    if (printer->outputFormat() != QPrinter::NativeFormat || printer->printerName() != name)
        return nullptr;
    return printer;
}

Interaction& interaction() { return g_interaction ? *g_interaction : g_realInteraction; }
void setInteraction(Interaction* replacement) { g_interaction = replacement; }

void ShowMessage(Message id, QWidget* parent, const QStringList& args)
{
    // One pass over the text: an argument that itself holds "%2" (a file name) stays as it is.
    const QString pattern = LoadResString(id);
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const qsizetype n = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        if (pattern[i] == u'%' && n >= 1 && n <= args.size()) {
            text += args[n - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    interaction().showMessage(id, text, parent);
}

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

void Pause(double seconds)
{
    // An event loop that ends on a timer: the windows stay live and the processor idle.
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000.0), &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace kivra
