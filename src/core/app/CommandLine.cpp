#include "app/CommandLine.h"

#include "reading/Passage.h"
#include "resources/Keys.h"

#include <QCoreApplication>

namespace kivra {

static CommandLine::Action exchangeCommand(const QString& command)
{
    using A = CommandLine::Action;
    static const QList<QPair<QString, A>> commands = {
        {QStringLiteral("dump"), A::Dump},
        {QStringLiteral("export-bookmarks"), A::ExportBookmarks},
        {QStringLiteral("import-bookmarks"), A::ImportBookmarks},
        {QStringLiteral("export-stories"), A::ExportStories},
        {QStringLiteral("import-stories"), A::ImportStories},
    };
    for (const auto& [name, action] : commands)
        if (command == name)
            return action;
    return A::Error;
}

// TESTAMENT BOOK C:V-C:V rather than one typed reference such as "John 3:16".
static bool isThreePartPassage(const QStringList& parts)
{
    Passage range;
    return parts.size() == 3 && ParseVerseRange(parts[2], &range);
}

CommandLine ParseCommandLine(const QStringList& args)
{
    CommandLine cl;
    QStringList rest;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (optionsEnded) {
            rest << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            // Everything after "--" is an operand; a command's own options end there as well.
            optionsEnded = true;
            if (!rest.isEmpty())
                rest << a;
            continue;
        }
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            cl.action = CommandLine::Action::Help;
            return cl;
        } else if (a == QLatin1String("--version")) {
            cl.action = CommandLine::Action::Version;
            return cl;
        } else if (a == QLatin1String("--no-splash")) {
            cl.noSplash = true;
        } else if (a == QLatin1String("--app-dir")) {
            if (i + 1 >= args.size()) {
                cl.action = CommandLine::Action::Error;
                cl.error = QCoreApplication::translate("CommandLine", "--app-dir needs a folder.");
                return cl;
            }
            cl.appDir = args[++i];
        } else if (a == QLatin1String("--open")) {
            if (i + 1 >= args.size()) {
                cl.action = CommandLine::Action::Error;
                cl.error = QCoreApplication::translate("CommandLine",
                                                    "--open needs a reference such as \"John 3:16\", or a "
                                                    "testament, a book and a verse range.");
                return cl;
            }
            const int parts = isThreePartPassage(args.mid(i + 1, 3)) ? 3 : 1;
            cl.openPassage = args.mid(i + 1, parts);
            i += parts;
        } else if (a == QLatin1String("--bible")) {
            if (i + 1 >= args.size()) {
                cl.action = CommandLine::Action::Error;
                cl.error = QCoreApplication::translate("CommandLine", "--bible needs the name of a Bible (see \"kivra-bible bibles\").");
                return cl;
            }
            cl.bible = args[++i];
        } else if (a.startsWith(QLatin1String("--app-dir="))) {
            cl.appDir = a.mid(10);
        } else if (a.startsWith(QLatin1String("-")) && rest.isEmpty()) {
            cl.action = CommandLine::Action::Error;
            cl.error = QCoreApplication::translate("CommandLine", "Unknown option %1.").arg(a);
            return cl;
        } else {
            rest << a;
        }
    }
    if (rest.isEmpty())
        return cl;
    const QString command = rest.takeFirst();
    if (command == QLatin1String("passage") && (rest.size() == 1 || rest.size() == 3)) {
        cl.action = CommandLine::Action::Passage;
    } else if (command == QLatin1String("export-rtf") && rest.size() == 4) {
        cl.action = CommandLine::Action::ExportRtf;
    } else if (command == QLatin1String("search") || command == QLatin1String("advanced-search")) {
        // The search command checks its own options and operands.
        cl.action = CommandLine::Action::Search;
        rest.prepend(command);
    } else if (command == QLatin1String("bibles") && rest.isEmpty()) {
        cl.action = CommandLine::Action::Bibles;
    } else if (command == QLatin1String("strongs") && rest.size() == 1) {
        cl.action = CommandLine::Action::Strongs;
    } else if (command == QLatin1String("commentary") && rest.size() == 3 && rest[0] == QLatin1String("--module")) {
        cl.action = CommandLine::Action::Commentary;
    } else if (rest.size() == 1 && exchangeCommand(command) != CommandLine::Action::Error) {
        cl.action = exchangeCommand(command);
    } else {
        cl.action = CommandLine::Action::Error;
        cl.error = QCoreApplication::translate("CommandLine", "Unknown command or wrong number of arguments: %1.")
                       .arg(command);
        return cl;
    }
    if (!cl.bible.isEmpty() && cl.action != CommandLine::Action::Passage && cl.action != CommandLine::Action::Search
        && cl.action != CommandLine::Action::ExportRtf) {
        cl.action = CommandLine::Action::Error;
        cl.error = QCoreApplication::translate("CommandLine", "--bible goes with passage, search, advanced-search and export-rtf.");
        return cl;
    }
    cl.operands = rest;
    return cl;
}

QString UsageText()
{
    // The commands and options stay as they are typed; only their descriptions are translated.
    return QCoreApplication::translate("CommandLine",
        "Usage: kivra-bible [--app-dir DIR] [--no-splash] [--open REFERENCE | --open TESTAMENT BOOK C:V-C:V]\n"
        "       kivra-bible [--app-dir DIR] [--bible NAME] passage REFERENCE | passage TESTAMENT BOOK C:V-C:V\n"
        "       kivra-bible [--app-dir DIR] [--bible NAME] export-rtf TESTAMENT BOOK C:V-C:V FILE\n"
        "       kivra-bible [--app-dir DIR] [--bible NAME] search [--whole-words] TEXT\n"
        "       kivra-bible [--app-dir DIR] --bible NAME search --strongs NUMBER\n"
        "       kivra-bible [--app-dir DIR] [--bible NAME] advanced-search [--whole-words] [--text1 T] [--op1 OP]\n"
        "                   [--join AND|OR] [--text2 T] [--op2 OP] [--scope TESTAMENT BOOK C:V-C:V]\n"
        "       kivra-bible bibles\n"
        "       kivra-bible strongs NUMBER\n"
        "       kivra-bible [--app-dir DIR] commentary --module NAME REFERENCE\n"
        "       kivra-bible [--app-dir DIR] dump FILE\n"
        "       kivra-bible [--app-dir DIR] export-bookmarks|import-bookmarks FILE\n"
        "       kivra-bible [--app-dir DIR] export-stories|import-stories FILE\n"
        "       kivra-bible --help | --version\n"
        "\n"
        "  --app-dir DIR  use DIR as the program folder (holding Db/ and image/)\n"
        "  --no-splash    start without the splash window\n"
        "  --open         start on the given passage instead of the last one read\n"
        "  --bible NAME   read, search or export a SWORD Bible (a module name) instead of the built-in KJV\n"
        "  bibles         list the SWORD Bibles that can be read: module name, description, language\n"
        "  passage        print the passage as the reading pane shows it, e.g.\n"
        "                 kivra-bible passage \"Old Testament\" Genesis 1:1-1:31\n"
        "                 kivra-bible passage \"John 3:16-18\"   (or \"Ps 23\", \"1 Cor 13\", \"Gen 1:1-2:3\")\n"
        "  export-rtf     write the passage to FILE in RTF as the export does\n"
        "  search         print every verse containing TEXT (% and _ are wildcards) and the count\n"
        "  advanced-search  the two-term search; OP is LIKE or \"NOT LIKE\"\n"
        "  --whole-words  either search matches whole words only (\"faith\" leaves out \"faithful\")\n"
        "  --strongs      search the verses whose words carry a Strong's number, e.g.\n"
        "                 kivra-bible --bible engKJV2006eb search --strongs G25\n"
        "  strongs        print the lexicon entry of a Strong's number (H430 Hebrew, G25 Greek)\n"
        "  commentary     print what the SWORD commentary NAME (--module) says on the passage, e.g.\n"
        "                 kivra-bible commentary --module Scofield \"John 3:16\"\n"
        "  dump           print the columns and rows of an exchange file (.kbm, .kbs)\n"
        "  export-bookmarks  write every bookmark to FILE (.kbm)\n"
        "  import-bookmarks  add the bookmarks of FILE and their links\n"
        "  export-stories    write every story with its picture to FILE (.kbs)\n"
        "  import-stories    add the stories of FILE as new stories\n"
        "\n") + KeyListHelpText();
}

} // namespace kivra
