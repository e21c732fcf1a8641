#pragma once
// Every key of the main window in one table: the window makes its shortcuts from it, the tooltips
// name its keys, and the key list (F1) and the manual page (through --help) print it.
#include <QKeySequence>
#include <QList>
#include <QString>

namespace kivra {

enum class KeyCommand {
    GoToReference, FindText, OpenPassage, PreviousChapter, NextChapter, BackToResults,
    VerseSelectorTab, StoryTab, BookmarkTab,
    Bookmark, AdvancedSearch, ClearSearch, Print, PrintPreview, ExportVerses, Options, WebPanel, About,
    WordStudy, StrongsNumbers, Commentary,
    ZoomIn, ZoomOut, ZoomReset, ReadAloud, StopReading, ReadFaster, ReadSlower, KeyList, Quit,
    ViewKey,  // handled by the control that has the focus; listed for the reader only
};

struct KeyBinding {
    KeyCommand command;
    const char* button;         // objectName of the picture button the key clicks, or nullptr
    QList<QKeySequence> keys;   // the first is the one shown; the others do the same
    const char* description;    // English; translated in the "Keys" context
};

const QList<KeyBinding>& KeyTable();
const KeyBinding& KeyFor(KeyCommand command);
// The keys as the user reads them ("Ctrl+Q"), the alternatives after a comma.
QString KeyText(const KeyBinding& binding, QKeySequence::SequenceFormat format = QKeySequence::NativeText);
QString KeyDescription(const KeyBinding& binding);  // translated
// The table as a --help section: a heading, then "  KEY  description" lines.
QString KeyListHelpText();

} // namespace kivra
