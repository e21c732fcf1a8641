#pragma once
// Names for screen readers: a control is read by its label, a picture button by its caption.
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace kivra {

// The label's text as a name: no mnemonic ampersand, no closing colon.
QString NameFromCaption(const QString& caption);
// Makes label the buddy of control and names control after it, unless it has a name already.
void LabelFor(QLabel* label, QWidget* control);
// Gives every control under root that a screen reader would read without a name one: the text of
// the label whose buddy it is, or for a picture button its tooltip without the key hint.
void NameUnnamedControls(QWidget* root);

// A checkable picture button that stands for a tab is read as a page tab, selected while checked.
void ReadAsTab(QAbstractButton* button);

} // namespace kivra
