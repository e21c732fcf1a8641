#include "settings/OptionsDialog.h"

#include "resources/Interaction.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"
#include "settings/Options.h"
#include "settings/ViewSettings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextEdit>

namespace kivra {

OptionsDialog::OptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));

    lblTopHeading = new QLabel(tr("Options"), this);
    lblTopHeading->setObjectName(QStringLiteral("lblTopHeading"));
    QFont heading = lblTopHeading->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    lblTopHeading->setFont(heading);

    lblNotesHeading = new QLabel(tr("Settings for displaying Bible text:"), this);
    lblNotesHeading->setObjectName(QStringLiteral("lblNotesHeading"));
    FixHeight(lblNotesHeading, 18);

    chkInsertNewLineAfterText = new QCheckBox(tr("Insert a new line after verse"), this);
    chkInsertNewLineAfterText->setObjectName(QStringLiteral("chkInsertNewLineAfterText"));
    FixHeight(chkInsertNewLineAfterText, 22);
    chkShowChapterSection = new QCheckBox(tr("Show chapter and section number"), this);
    chkShowChapterSection->setObjectName(QStringLiteral("chkShowChapterSection"));
    FixHeight(chkShowChapterSection, 22);

    // "Click here to select font", where only "here" is the link.
    auto* fontLine = new QWidget(this);
    fontLine->setFixedHeight(std::max(20, fontLine->fontMetrics().height() + 2));
    auto* fontLayout = new QHBoxLayout(fontLine);
    fontLayout->setContentsMargins(0, 0, 0, 0);
    fontLayout->setSpacing(4);
    fontLayout->addWidget(new QLabel(tr("Click"), fontLine));
    lblSelectFont = new ClickLabel(tr("here"), fontLine);
    lblSelectFont->setObjectName(QStringLiteral("lblSelectFont"));
    QFont link = lblSelectFont->font();
    link.setUnderline(true);
    lblSelectFont->setFont(link);
    QPalette linkPalette = lblSelectFont->palette();
    linkPalette.setColor(QPalette::WindowText, linkPalette.color(QPalette::Link));
    lblSelectFont->setPalette(linkPalette);
    fontLayout->addWidget(lblSelectFont);
    fontLayout->addWidget(new QLabel(tr("to select font"), fontLine));
    fontLayout->addStretch(1);

    auto* sampleHeading = new QLabel(tr("Sample Verse:"), this);
    FixHeight(sampleHeading, 18);
    rxtSampleVerse = new QTextEdit(this);
    rxtSampleVerse->setObjectName(QStringLiteral("rxtSampleVerse"));
    rxtSampleVerse->setReadOnly(true);
    rxtSampleVerse->setMinimumWidth(368);
    rxtSampleVerse->setFixedHeight(92);

    chkPaperLook = new QCheckBox(tr("Paper under a dark theme"), this);
    chkPaperLook->setObjectName(QStringLiteral("chkPaperLook"));
    chkPaperLook->setGeometry(16, 266, 280, 22);

    imgSave = MakeImageButton(this, QStringLiteral("imgSave"), 32);
    imgSave->setToolTip(LoadResString(Caption::SaveOptions));
    imgClose = MakeImageButton(this, QStringLiteral("imgClose"), 32);
    imgClose->setToolTip(LoadResString(Caption::CloseWithoutSaving));

    // Down the window: the heading, the display settings (the boxes indented under their caption),
    // the sample, the buttons bottom right; the window fits round them.
    auto* indented = new QVBoxLayout;
    indented->setContentsMargins(12, 0, 0, 0);
    indented->setSpacing(0);
    for (auto [gap, control] : {std::pair<int, QWidget*>{0, chkInsertNewLineAfterText}, {2, chkShowChapterSection}, {4, fontLine}}) {
        indented->addSpacing(gap);
        indented->addWidget(control);
    }
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(14);
    buttons->addStretch(1);
    buttons->addWidget(imgSave);
    buttons->addWidget(imgClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 6);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(lblTopHeading, 0, Qt::AlignHCenter);
    layout->addSpacing(std::max(4, 34 - lblTopHeading->sizeHint().height()));
    layout->addWidget(lblNotesHeading);
    layout->addSpacing(4);
    layout->addLayout(indented);
    layout->addSpacing(6);
    layout->addWidget(sampleHeading);
    layout->addSpacing(2);
    layout->addWidget(rxtSampleVerse);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(chkInsertNewLineAfterText, &QCheckBox::toggled, this, &OptionsDialog::showSamplePreview);
    connect(chkShowChapterSection, &QCheckBox::toggled, this, &OptionsDialog::showSamplePreview);
    connect(lblSelectFont, &ClickLabel::clicked, this, &OptionsDialog::chooseFont);
    // The font link is reachable with Tab and opens with Space or Enter.
    lblSelectFont->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(chkShowChapterSection, lblSelectFont);
    connect(imgSave, &QToolButton::clicked, this, &OptionsDialog::saveAndClose);
    connect(imgClose, &QToolButton::clicked, this, &OptionsDialog::reject);
    load();
}

void OptionsDialog::load()
{
    LoadOptions();
    m_font = FontWorkingCopy::fromOptions(options());
    // Setting a box previews through its toggled signal; the explicit call covers unchanged boxes.
    chkInsertNewLineAfterText->setChecked(options().InsertNewLineAfterText == 1);
    chkShowChapterSection->setChecked(options().ShowChapterSection == 1);
    chkPaperLook->setChecked(PaperLook());
    showSamplePreview();
}

int OptionsDialog::checkValue(const QCheckBox* box) const { return box->isChecked() ? 1 : 0; }

void OptionsDialog::showSamplePreview()
{
    rxtSampleVerse->setPlainText(SamplePreviewText(checkValue(chkInsertNewLineAfterText),
                                                   checkValue(chkShowChapterSection), QStringLiteral("\n")));
    applySampleFont(rxtSampleVerse);
}

void OptionsDialog::applySampleFont(QTextEdit* box)
{
    const QFont font = m_font.font();
    box->setFont(font);
    box->document()->setDefaultFont(font);
    QTextCursor cursor(box->document());
    cursor.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFont(font);
    format.setForeground(m_font.textColour());
    cursor.setCharFormat(format);
}

void OptionsDialog::chooseFont()
{
    // One step: font, then its colour. Each answer stands alone, so Cancel in one dialog keeps what
    // the other chose, and the colour can be changed without touching the font.
    if (const auto font = interaction().chooseFont(this, m_font.font()))
        m_font.takeFont(*font);
    if (const auto colour = interaction().chooseColour(this, m_font.textColour()))
        m_font.takeColour(*colour);
    showSamplePreview();
}

bool OptionsDialog::save()
{
    QString error;
    if (!SaveOptionValues(checkValue(chkInsertNewLineAfterText), checkValue(chkShowChapterSection), m_font,
                          nullptr, &error)) {
        ShowMessage(Message::OptionsNotSaved, this, {error});
        return false;
    }
    SetPaperLook(chkPaperLook->isChecked());
    return true;
}

void OptionsDialog::saveAndClose()
{
    if (!save())
        return;
    emit optionsSaved();
    accept();
}

} // namespace kivra
