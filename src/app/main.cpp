#include "app/CommandLine.h"
#include "app/ExportCommand.h"
#include "app/ExchangeCommand.h"
#include "app/PassageCommand.h"
#include "app/Startup.h"
#include "app/UserFolder.h"
#include "reading/BibleCommand.h"
#include "reading/SearchCommand.h"
#include "study/StudyCommand.h"
#include "app/PaintReport.h"
#include "app/Signals.h"
#include "app/SingleWindow.h"
#include "app/MainWindow.h"
#include "reading/ReadingView.h"
#include "app/SplashScreen.h"
#include "app/Translations.h"
#include "reading/LocalBookNames.h"
#include "reading/Passage.h"
#include "reading/ReferenceParser.h"
#include "reading/VerseRangeSelector.h"
#include "resources/Strings.h"
#include "reading/VerseTexts.h"
#include "resources/Interaction.h"
#include "resources/Icons.h"
#include "settings/Options.h"
#include "storage/Database.h"
#include "storage/FolderLock.h"
#include "storage/Globals.h"
#include "stories/ImportedPictures.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextEdit>
#include <unistd.h>
#include <QTextStream>
#include <cstdio>
#include <algorithm>
#include <memory>
#include <optional>

using namespace kivra;

namespace {

// Messages of a run without windows go to the terminal instead of message boxes.
class ConsoleInteraction : public Interaction {
public:
    void showMessage(Message, const QString& text, QWidget*) override
    {
        QTextStream(stderr) << text << '\n';
    }
};

QString programFolder(const CommandLine& cl)
{
    return cl.appDir.isEmpty() ? GetAppPath() : QDir(cl.appDir).absolutePath();
}

// Scripting commands need no display, and should not warn about a missing desktop session.
void prepareScriptingEnvironment()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(::getuid());
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
}

bool initialiseFolders(const CommandLine& cl)
{
    const QString program = programFolder(cl);
    const QString user = PrepareUserFolder(program);
    if (user.isEmpty())
        return false;
    InitialiseFolders(program, user);
    return true;
}

// Says why the folder cannot be had, in a message box or on the terminal.
void tellFolderNotTaken(const FolderLock& lock)
{
    QStringList args;
    const Message id = lock.failure(&args);
    ShowMessage(id, nullptr, args);
}

bool isExchangeCommand(CommandLine::Action action)
{
    using A = CommandLine::Action;
    return action == A::ExportBookmarks || action == A::ImportBookmarks || action == A::ExportStories
           || action == A::ImportStories;
}

int runExchangeCommand(const CommandLine& cl)
{
    const QString& file = cl.operands[0];
    switch (cl.action) {
    case CommandLine::Action::ExportBookmarks: return RunExportBookmarksCommand(file);
    case CommandLine::Action::ImportBookmarks: return RunImportBookmarksCommand(file);
    case CommandLine::Action::ExportStories: return RunExportStoriesCommand(file);
    case CommandLine::Action::ImportStories: return RunImportStoriesCommand(file);
    default: return 2;
    }
}

// The commands that print or write files and open no window; the caller made the application object.
int runScriptingCommand(const CommandLine& cl)
{
    static char outputBuffer[1 << 16];  // long results reach a pipe in large blocks, not line by line
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    ConsoleInteraction console;
    setInteraction(&console);
    if (!initialiseFolders(cl))
        return 1;
    // The imports write: they wait for a window or another import on the folder, then give up.
    FolderLock folderLock(folders().userPath);
    const bool writes = cl.action == CommandLine::Action::ImportBookmarks
                     || cl.action == CommandLine::Action::ImportStories;
    if (writes && !folderLock.lock(CommandFolderWaitMs)) {
        tellFolderNotTaken(folderLock);
        return 1;
    }
    if (!OpenConnections())
        return 1;
    if (cl.action == CommandLine::Action::ExportStories || cl.action == CommandLine::Action::ImportStories)
        TryFinishInterruptedImports(StoryConnection(), ImageFolder(), BusyTimeoutMs);
    if (isExchangeCommand(cl.action))
        return runExchangeCommand(cl);
    if (!LoadOptions()) {
        ShowMessage(Message::OptionsRowMissing, nullptr, {folders().userDatabasePath + OptionsDatabaseFile});
        return 1;
    }
    if (!cl.bible.isEmpty()) {
        QTextStream err(stderr);
        if (!ChooseBibleForCommand(cl.bible, err))
            return 2;
    }
    if (cl.action == CommandLine::Action::Passage)
        return RunPassageCommand(cl.operands);
    if (cl.action == CommandLine::Action::Commentary) {
        QTextStream out(stdout), err(stderr);
        return RunCommentaryCommand(cl.operands, out, err);
    }
    if (cl.action == CommandLine::Action::Search) {
        QFile out;
        out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);  // the command writes in blocks
        QTextStream err(stderr);
        return RunSearchCommand(cl.operands, out, err);
    }
    return RunExportRtfCommand(cl.operands);
}

// The texts in the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) when the program has a
// translation for it; English otherwise.
void installTranslations()
{
    InstallTranslations(QLocale::system(), TranslationsFolder(GetAppPath()));
    UseReaderLanguage(QLocale::system());
}

constexpr double SplashSeconds = 0.7;

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    CommandLine cl = ParseCommandLine(args);
    if (cl.action == CommandLine::Action::Help || cl.action == CommandLine::Action::Error) {
        // Read again with the translation installed, so the error is in the user's language too.
        QCoreApplication app(argc, argv);
        installTranslations();
        cl = ParseCommandLine(args);
        if (cl.action == CommandLine::Action::Help) {
            std::fputs(UsageText().toLocal8Bit().constData(), stdout);
            return 0;
        }
        std::fprintf(stderr, "%s\n\n%s", qPrintable(cl.error), qPrintable(UsageText()));
        return 2;
    }
    if (cl.action == CommandLine::Action::Version) {
        std::puts("Kivra! Bible " KIVRA_VERSION);
        return 0;
    }

    if (cl.action == CommandLine::Action::Bibles) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return RunBiblesCommand(out, err);
    }
    if (cl.action == CommandLine::Action::Strongs) {
        QCoreApplication app(argc, argv);
        installTranslations();
        QTextStream out(stdout), err(stderr);
        return RunStrongsCommand(cl.operands, out, err);
    }
    if (cl.action == CommandLine::Action::Dump) {
        QCoreApplication app(argc, argv);
        installTranslations();
        return RunDumpCommand(cl.operands[0]);
    }
    if (isExchangeCommand(cl.action) || cl.action == CommandLine::Action::Passage
        || cl.action == CommandLine::Action::Search || cl.action == CommandLine::Action::Commentary) {
        prepareScriptingEnvironment();
        QCoreApplication app(argc, argv);
        installTranslations();
        return runScriptingCommand(cl);
    }
    if (cl.action == CommandLine::Action::ExportRtf) {
        prepareScriptingEnvironment();
        QApplication app(argc, argv);  // the RTF is written from a rich text box and its fonts
        installTranslations();
        return runScriptingCommand(cl);
    }

    ReportStartupStep("main entered");
    QApplication app(argc, argv);
    ReportStartupStep("application made");
    installTranslations();
    ReportStartupStep("translations installed");
    CloseOnTerminationSignals();
    QApplication::setApplicationName(QStringLiteral("Kivra! Bible"));
    QApplication::setApplicationVersion(QStringLiteral(KIVRA_VERSION));
    QApplication::setWindowIcon(applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("kivra-bible"));
    // The main window loads while the splash is up; the splash then stays for the rest of its time.
    std::unique_ptr<SplashScreen> splash;
    std::optional<WaitCursor> wait;
    QElapsedTimer splashShown;
    if (!cl.noSplash) {
        splash = std::make_unique<SplashScreen>();
        wait.emplace();
        splash->show();
        QApplication::processEvents();  // drawn before the loading holds the event loop
        splashShown.start();
    }
    ReportStartupStep("splash shown");
    if (!initialiseFolders(cl))
        return 1;
    // One window per folder: a later start brings the open one forward; a running import is waited for.
    FolderLock folderLock(folders().userPath);
    if (!folderLock.lock(0)) {
        if (RaiseRunningWindow(folderLock.serverName(), 3000))
            return 0;
        if (!folderLock.lock(CommandFolderWaitMs)) {
            splash.reset();
            wait.reset();
            tellFolderNotTaken(folderLock);
            return 1;
        }
    }
    ReportStartupStep("folder taken");
    if (!OpenConnections())
        return 1;
    TryFinishInterruptedImports(StoryConnection(), ImageFolder());
    ReportStartupStep("databases opened");
    auto* window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    ReportStartupStep("window made");
    if (!window->load())
        return 1;
    ReportStartupStep("window loaded");
    if (splash)
        Pause(std::max(0.0, SplashSeconds - splashShown.elapsed() / 1000.0));
    wait.reset();
    if (TerminationRequested())  // ended during the splash: nothing shown, nothing to save
        return 0;
    ListenForLaterStarts(folderLock.serverName(), window);
    window->show();
    ReportStartupStep("window shown");
    window->restoreLastPassage();
    ReportStartupStep("passage restored");
    if (cl.openPassage.size() == 1) {
        window->goToReference(cl.openPassage[0]);
    } else if (!cl.openPassage.isEmpty()) {
        Passage passage{cl.openPassage[1]};  // the testament follows from the book
        if (ParseVerseRange(cl.openPassage[2], &passage))
            window->openStoredPassage(passage);
    }
    // The verse texts for searching are read once the passage is on screen, so even the first
    // search shows its results within a frame.
    QWidget* readingPane = window->readingView()->textBox()->viewport();
    RunAfterFirstPaint(readingPane, [] { BibleVerseTexts(); });
    ReportFirstPaint(readingPane);  // the later filter sees the paint first
    splash.reset();
    return app.exec();
}
