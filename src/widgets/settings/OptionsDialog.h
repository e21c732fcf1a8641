#pragma once
// The options window: the two display switches and the font, previewed on two sample verses.
#include "settings/OptionsEditing.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QTextEdit;
class QToolButton;

namespace kivra {

class ClickLabel;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget* parent = nullptr);

    void showSamplePreview();
    void applySampleFont(QTextEdit* box);
    void chooseFont();
    // Writes the options; false when the row could not be written (the user has been told).
    bool save();
    void saveAndClose();

    const FontWorkingCopy& workingCopy() const { return m_font; }

signals:
    // The options are stored; the opener redraws its text with them.
    void optionsSaved();

public:
    QLabel* lblTopHeading;
    QLabel* lblNotesHeading;
    QCheckBox* chkInsertNewLineAfterText;
    QCheckBox* chkShowChapterSection;
    QCheckBox* chkPaperLook;  // this reader's own setting, kept apart from the options row
    ClickLabel* lblSelectFont;
    QTextEdit* rxtSampleVerse;
    QToolButton* imgSave;
    QToolButton* imgClose;

private:
    void load();
    int checkValue(const QCheckBox* box) const;

    FontWorkingCopy m_font;
};

} // namespace kivra
