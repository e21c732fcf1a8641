#pragma once
// The text the story viewer shows: every part under a heading between rule lines, and the notes.
#include "settings/Options.h"
#include "stories/StoryStore.h"

namespace kivra {

// Appends one part to target: rule, blank line, heading, rule, blank line, then the verses. Nothing
// is appended when the range holds no verse. False when the book is unknown.
bool ShowStoryPart(const StoryPartRow& part, const QString& storyName, int partNumber, const OptionValues& values,
                   const QString& newline, QString* target);

// "Part n notes:" + newline + ListIndent + trimmed notes + two newlines.
QString StoryPartNotes(int partNumber, const QString& notes, const QString& newline);

struct StoryText {
    QString name, text, notes;
    bool complete = true;  // false when a part could not be shown and the text stops there
    QStringList missingPassages;  // parts whose passage is not in the Bible, as the status bar names them
};
StoryText BuildStoryText(const QList<StoryPartRow>& parts, const OptionValues& values, const QString& newline);

} // namespace kivra
