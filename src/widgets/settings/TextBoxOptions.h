#pragma once
// The option values applied to the text boxes that show them.
class QWidget;

namespace kivra {

// Sets font and text colour of a text box from the options; txtWordsFromGod gets one point less.
void ApplyDefaultFontToTextBox(QWidget* box);
void ApplyDefaultFont(QWidget* box);

} // namespace kivra
