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

namespace kivra {
namespace {
constexpr int PictureWidth = 220;
constexpr int PictureHeight = 200;
constexpr int Top = 48;  // of the text frame and the picture panel

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

    imgTitleBar = label(this, "imgTitleBar", "");
    imgTitleBar->setScaledContents(true);
    lblTopHeading = label(this, "lblTopHeading", "");
    QFont bold = lblTopHeading->font();
    bold.setBold(true);
    lblTopHeading->setFont(bold);

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

    resize(820, 560);
    setMinimumSize(560, 420);
    layoutControls();
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
    lblTopHeading->adjustSize();
    layoutControls();
    if (!story.missingPassages.isEmpty())
        ShowMessage(Message::PassageNotInBible, this, {story.missingPassages.join(QStringLiteral("; "))});
}

void StoryViewer::showEvent(QShowEvent* event)
{
    load();
    QWidget::showEvent(event);
}

void StoryViewer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void StoryViewer::layoutControls()
{
    const int w = width();
    const int h = height();
    imgTitleBar->setGeometry(0, 0, w, 23);
    imgTitleBar->setPixmap(windowPicture(QStringLiteral("title-strip"), QSize(w, 23)));
    lblTopHeading->adjustSize();
    lblTopHeading->move((w - lblTopHeading->width()) / 2, 2);

    shpBibleStoryText->setGeometry(8, Top, w - PictureWidth - 44, h - 83);
    rxtBibleStoryText->setGeometry(shpBibleStoryText->x() + 8, Top + 8, shpBibleStoryText->width() - 16,
                                   shpBibleStoryText->height() - 16);
    lblStoryVerse->setGeometry(8, Top - 18, 200, 16);

    // The picture and notes column keeps to the right edge.
    const int column = shpBibleStoryText->geometry().right() + 1 + 28;
    picBibleStory->setGeometry(column, Top, PictureWidth, PictureHeight);
    lblStoryPicture->setGeometry(column, Top - 18, PictureWidth, 16);
    const int notesHeight = h - PictureHeight - 103;
    const int notesTop = shpBibleStoryText->geometry().bottom() + 1 - notesHeight;
    shpNotes->setGeometry(column, notesTop, PictureWidth, notesHeight);
    txtNotes->setGeometry(column + 8, notesTop + 8, PictureWidth - 16, notesHeight - 16);
    lblStoryNotes->setGeometry(column, notesTop - 18, PictureWidth, 16);

    imgCloseBibleStory->move(w - 44, shpBibleStoryText->y() + shpBibleStoryText->height() + 7);
    imgTitleBar->lower();
}

StoryViewer* OpenStoryViewer(int storyNumber, QWidget* owner)
{
    auto* viewer = new StoryViewer(storyNumber, owner);
    viewer->show();
    return viewer;
}

} // namespace kivra
