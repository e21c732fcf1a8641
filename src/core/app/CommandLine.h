#pragma once
#include <QStringList>

namespace kivra {

struct CommandLine {
    enum class Action {
        Gui, Help, Version, Passage, ExportRtf, Search, Bibles, Strongs, Commentary,
        Dump, ExportBookmarks, ImportBookmarks, ExportStories, ImportStories,
        Error
    };
    Action action = Action::Gui;
    QString appDir;        // --app-dir DIR
    bool noSplash = false; // --no-splash
    QString bible;         // --bible NAME: the SWORD Bible a command reads instead of the built-in one
    QStringList openPassage; // --open REFERENCE or TESTAMENT BOOK C:V-C:V: start on this passage
    // passage: a reference, or testament book range; export-rtf: ... file; search: the command word and its
    // arguments; exchange commands: file
    QStringList operands;
    QString error;
};

// Parses the arguments after the program name.
CommandLine ParseCommandLine(const QStringList& args);
QString UsageText();

} // namespace kivra
