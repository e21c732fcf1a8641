#pragma once
#include <QStringList>

namespace kivra {

struct CommandLine {
    enum class Action {
        Gui, Help, Version, Passage, ExportRtf,
        Dump, ExportBookmarks, ImportBookmarks, ExportStories, ImportStories,
        Error
    };
    Action action = Action::Gui;
    QString appDir;        // --app-dir DIR
    bool noSplash = false; // --no-splash
    QStringList operands;  // passage: testament book range; export-rtf: ... file; exchange commands: file
    QString error;
};

// Parses the arguments after the program name.
CommandLine ParseCommandLine(const QStringList& args);
QString UsageText();

} // namespace kivra
