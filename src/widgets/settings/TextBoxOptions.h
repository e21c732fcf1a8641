#pragma once
// The option values applied to the text boxes that show them.
class QWidget;

namespace kivra {

// Sets font and text colour of a text box from the options; txtWordsFromGod gets one point less.
void ApplyDefaultFontToTextBox(QWidget* box);
void ApplyDefaultFont(QWidget* box);
// The default font at the size the zoom keys chose: what the reading pane shows.
void ApplyReadingFont(QWidget* box);
// The options' font and colour as stored, whatever the zoom and the theme: what an export writes.
void ApplyExportFormat(QWidget* box);

} // namespace kivra
