#include "stories/StoryViewer.h"

#include <QCoreApplication>
#include <QShortcut>

#include "resources/Icons.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"
#include "settings/Options.h"
#include "settings/TextBoxOptions.h"
#include "storage/Globals.h"
#include "stories/PictureBox.h"
#include "stories/StoryText.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVBoxLayout>

namespace kivra {
namespace {
constexpr int PictureWidth = 220;
constexpr int PictureHeight = 200;

QFrame* sunkenFrame(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QLabel* label(QWidget* parent, const char* name, const char* text)
{
    auto* l = new QLabel(QCoreApplication::translate("kivra::StoryViewer", text), parent);
    l->setObjectName(QLatin1String(name));
    return l;
}
} // namespace

StoryViewer::StoryViewer(int storyNumber, QWidget* parent) : QWidget(parent, Qt::Window), m_storyNumber(storyNumber)
{
    setObjectName(QStringLiteral("frmBibleStoryShowPage"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Bible Story"));
    setWindowIcon(applicationIcon());

    auto* strip = new TitleStrip(QString(), 0, this);
    imgTitleBar = strip;
    lblTopHeading = strip->heading();

    lblStoryVerse = label(this, "lblStoryVerse", QT_TR_NOOP("Story Verse:"));
    shpBibleStoryText = sunkenFrame(this, "shpBibleStoryText");
    rxtBibleStoryText = new QTextEdit(this);
    rxtBibleStoryText->setObjectName(QStringLiteral("rxtBibleStoryText"));
    rxtBibleStoryText->setReadOnly(true);
    rxtBibleStoryText->setFrameShape(QFrame::NoFrame);

    lblStoryPicture = label(this, "lblStoryPicture", QT_TR_NOOP("Story Picture:"));
    picBibleStory = sunkenFrame(this, "picBibleStory");
    imgBibleStoryImage = new PictureBox(picBibleStory);
    imgBibleStoryImage->setObjectName(QStringLiteral("imgBibleStoryImage"));
    imgBibleStoryImage->setGeometry(4, 4, PictureWidth - 8, PictureHeight - 8);

    lblStoryNotes = label(this, "lblStoryNotes", QT_TR_NOOP("Story Notes:"));
    shpNotes = sunkenFrame(this, "shpNotes");
    txtNotes = new QPlainTextEdit(this);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->setReadOnly(true);
    txtNotes->setFrameShape(QFrame::NoFrame);

    imgCloseBibleStory = MakeImageButton(this, QStringLiteral("imgCloseBibleStory"), 32);
    connect(imgCloseBibleStory, &QToolButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("escapeShortcut"));
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // The story's text fills the window; the picture and the notes keep a column of 220 at the
    // right edge, the notes growing with the window; the close button sits under them.
    FixHeight(lblStoryVerse, 16);
    FixHeight(lblStoryPicture, 16);
    FixHeight(lblStoryNotes, 16);
    auto* textLayout = new QVBoxLayout(shpBibleStoryText);
    const int border = shpBibleStoryText->frameWidth();
    textLayout->setContentsMargins(8 - border, 8 - border, 8 - border, 8 - border);
    textLayout->addWidget(rxtBibleStoryText);
    auto* notesLayout = new QVBoxLayout(shpNotes);
    notesLayout->setContentsMargins(8 - border, 8 - border, 8 - border, 8 - border);
    notesLayout->addWidget(txtNotes);
    picBibleStory->setFixedSize(PictureWidth, PictureHeight);
    auto* text = new QVBoxLayout;
    text->setSpacing(2);
    text->addWidget(lblStoryVerse);
    text->addWidget(shpBibleStoryText, 1);
    auto* aside = new QVBoxLayout;
    aside->setSpacing(2);
    for (QWidget* control : {static_cast<QWidget*>(lblStoryPicture), static_cast<QWidget*>(picBibleStory),
                             static_cast<QWidget*>(lblStoryNotes), static_cast<QWidget*>(shpNotes)}) {
        control->setFixedWidth(std::max(PictureWidth, control->sizeHint().width()));
        aside->addWidget(control, control == shpNotes ? 1 : 0);
    }
    auto* columns = new QHBoxLayout;
    columns->setContentsMargins(8, 7, 8, 0);
    columns->setSpacing(28);
    columns->addLayout(text, 1);
    columns->addLayout(aside);
    auto* foot = new QHBoxLayout;
    foot->setContentsMargins(0, 2, 12, 1);
    foot->addStretch(1);
    foot->addWidget(imgCloseBibleStory);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addLayout(columns, 1);
    layout->addLayout(foot);
    resize(820, 560);
    setMinimumSize(560, 420);
}

void StoryViewer::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    imgCloseBibleStory->setToolTip(LoadResString(Caption::CloseStory));
    const QList<StoryPartRow> parts = ReadStoryParts(m_storyNumber);
    if (!parts.isEmpty()) {
        const StoryPartRow& first = parts.first();
        if (first.imagePathNull) {
            imgBibleStoryImage->setPicture(StoryPicture::fromFile(StoryNoImageFullPicture()));
            imgBibleStoryImage->sourcePath = StoryNoImageFullPicture();
        } else if (!first.imagePath.isEmpty()) {
            ShowPictureFile(imgBibleStoryImage, first.imagePath, StoryImageNotFoundFullPicture());
        }
    }
    const StoryText story = BuildStoryText(parts, options(), QStringLiteral("\n"));
    if (!parts.isEmpty()) {
        lblTopHeading->setText(story.name);
        setWindowTitle(story.name);
    }
    // The font first, on the empty pane: the text then takes it as the document's default without
    // formatting two thousand verses a second time.
    rxtBibleStoryText->clear();
    ApplyDefaultFont(rxtBibleStoryText);
    rxtBibleStoryText->setPlainText(story.text);
    ShowNotes(txtNotes, story.notes);
    if (!story.missingPassages.isEmpty())
        ShowMessage(Message::PassageNotInBible, this, {story.missingPassages.join(QStringLiteral("; "))});
}

void StoryViewer::showEvent(QShowEvent* event)
{
    load();
    QWidget::showEvent(event);
}

StoryViewer* OpenStoryViewer(int storyNumber, QWidget* owner)
{
    auto* viewer = new StoryViewer(storyNumber, owner);
    viewer->show();
    return viewer;
}

} // namespace kivra
