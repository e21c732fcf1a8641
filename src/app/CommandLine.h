#pragma once
#include <QStringList>

namespace kivra {

struct CommandLine {
    enum class Action { Gui, Help, Version, Passage, ExportRtf, Search, Error };
    Action action = Action::Gui;
    QString appDir;        // --app-dir DIR
    bool noSplash = false; // --no-splash
    QStringList openPassage; // --open TESTAMENT BOOK C:V-C:V: start on this passage
    QStringList operands;  // search: the command word and its arguments; passage: testament book range; export-rtf: testament book range file
    QString error;
};

// Parses the arguments after the program name.
CommandLine ParseCommandLine(const QStringList& args);
QString UsageText();

} // namespace kivra
