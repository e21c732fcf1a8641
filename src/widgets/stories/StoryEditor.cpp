#include "stories/StoryEditor.h"

#include <QCoreApplication>
#include <QShortcut>

#include "reading/VerseRangeSelector.h"
#include "resources/Icons.h"
#include "resources/Interaction.h"
#include "resources/Logging.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"
#include "storage/DataControl.h"
#include "storage/Globals.h"
#include "stories/PictureBox.h"
#include "stories/StoryStore.h"

#include <QBuffer>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kivra {
namespace {

QLabel* label(const char* text)
{
    return FixHeight(new QLabel(QCoreApplication::translate("kivra::StoryEditor", text)), 16);
}

QToolButton* button(QWidget* parent, const char* name)
{
    return MakeImageButton(parent, QLatin1String(name), 32);
}

// Controls in a row or a column, each after its gap, the rest of the length left empty.
template <typename Box> Box* spaced(std::initializer_list<std::pair<int, QLayoutItem*>> items)
{
    auto* layout = new Box;
    layout->setSpacing(0);
    for (auto [gap, item] : items) {
        layout->addSpacing(gap);
        layout->addItem(item);
    }
    layout->addStretch(1);
    return layout;
}

QVBoxLayout* column(std::initializer_list<std::pair<int, QLayoutItem*>> items)
{
    return spaced<QVBoxLayout>(items);
}

QHBoxLayout* line(std::initializer_list<std::pair<int, QLayoutItem*>> items)
{
    return spaced<QHBoxLayout>(items);
}

QLayoutItem* item(QWidget* widget) { return new QWidgetItem(widget); }

// The picture dialog's entries: description and patterns, in the order offered.
QString PictureFilter()
{
    const QList<QPair<QString, QString>> entries = {
        {QCoreApplication::translate("StoryEditor", "Bitmaps (*.bmp;*.dib)"), QStringLiteral("*.bmp *.dib")},
        {QCoreApplication::translate("StoryEditor", "GIF Images (*.gif)"), QStringLiteral("*.gif")},
        {QCoreApplication::translate("StoryEditor", "JPEG Images (*.JPG)"), QStringLiteral("*.jpg")},
        {QCoreApplication::translate("StoryEditor", "Metafiles (*.wmf;*.emf)"), QStringLiteral("*.wmf *.emf")},
        {QCoreApplication::translate("StoryEditor", "Icons (*.ico;*.cur)"), QStringLiteral("*.ico *.cur")},
        {QCoreApplication::translate("StoryEditor", "All Files (*.*)"), QStringLiteral("*")}};
    QStringList filters;
    for (const auto& [description, patterns] : entries)
        filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    return filters.join(QStringLiteral(";;"));
}

// The thumbnail's own picture until a story picture is shown: a framed 133 x 100 card.
StoryPicture placeholderPicture()
{
    QImage image(133, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xf4, 0xf1, 0xe8));
    QPainter painter(&image);
    painter.setPen(QColor(0xb0, 0xa8, 0x90));
    painter.drawRect(0, 0, 132, 99);
    const QPixmap logo = windowPicture(QStringLiteral("kivra-bible"), QSize(48, 48));
    painter.drawPixmap(42, 12, logo);
    painter.setPen(QColor(0x70, 0x68, 0x50));
    painter.drawText(QRect(0, 64, 133, 30), Qt::AlignCenter, QCoreApplication::translate("StoryEditor", "Bible Story"));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return StoryPicture::fromData(png);
}

} // namespace

StoryEditor::StoryEditor(StoryEditorMode mode, int storyNumber, QWidget* parent)
    : QWidget(parent, Qt::Window), m_mode(mode), m_storyNumber(mode == StoryEditorMode::Edit ? storyNumber : 0)
{
    setObjectName(QStringLiteral("frmBibleStory"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Bible Story"));
    setWindowIcon(applicationIcon());
    adoBibleVerse = new DataControl(this);
    adoBibleVerse->setObjectName(QStringLiteral("adoBibleVerse"));
    createControls();
    resize(minimumSizeHint());
}

StoryEditor::~StoryEditor() = default;

void StoryEditor::createControls()
{
    auto* strip = new TitleStrip(tr("Bible Story Editor"), 0);
    imgTitleBar = strip;
    lblTopHeading = strip->heading();
    txtBibleStoryName = FixHeight(Named(new QLineEdit, "txtBibleStoryName"), 24);
    txtBibleStoryName->setFixedWidth(552);
    verseSelector = new VerseRangeSelector;
    verseSelector->setFixedSize(190, std::max(300, verseSelector->minimumSizeHint().height()));
    imgSelectVerse = button(this, "imgSelectVerse");
    imgDeselectVerse = button(this, "imgDeselectVerse");
    lstBibleStoryPart = Named(new QListWidget, "lstBibleStoryPart");
    lstBibleStoryPart->setFixedSize(306, 190);
    imgMoveUp = button(this, "imgMoveUp");
    imgMoveDown = button(this, "imgMoveDown");
    auto* thumbFrame = new QFrame;
    thumbFrame->setFrameShape(QFrame::StyledPanel);
    thumbFrame->setFrameShadow(QFrame::Sunken);
    thumbFrame->setFixedSize(141, 108);
    imgBibleStoryThumbNail = Named(new PictureBox(thumbFrame), "imgBibleStoryThumbNail");
    imgBibleStoryThumbNail->setGeometry(4, 4, 133, 100);  // a fixed card in a fixed frame
    imgBrowseBibleStoryPicture = button(this, "imgBrowseBibleStoryPicture");
    imgClearBibleStoryPicture = button(this, "imgClearBibleStoryPicture");
    txtBibleStoryVerseNotes = Named(new QPlainTextEdit, "txtBibleStoryVerseNotes");
    txtBibleStoryVerseNotes->setFixedSize(552, 78);
    txtBibleStoryVerseNotes->installEventFilter(this);
    txtBibleStoryVerseNotes->viewport()->installEventFilter(this);
    imgSaveBibleStory = button(this, "imgSaveBibleStory");
    imgCancelBibleStory = button(this, "imgCancelBibleStory");

    // The name across the top; under it the selectors, the add and remove buttons, the chosen
    // verses with the picture under them, and the up and down buttons, side by side; the notes
    // with the save and cancel buttons at the foot. The controls keep their places when the
    // window grows.
    QVBoxLayout* chosen = column(
        {{0, item(label(QT_TR_NOOP("Selected verse(s)")))}, {4, item(lstBibleStoryPart)},
         {10, item(label(QT_TR_NOOP("Select picture for the story")))},
         {4, line({{0, item(thumbFrame)},
                   {11, column({{0, item(label(QT_TR_NOOP("Click the icon to browse:")))},
                                {6, line({{0, item(imgBrowseBibleStoryPicture)}, {6, item(imgClearBibleStoryPicture)}})}})}})}});
    QHBoxLayout* middle = line(
        {{0, column({{0, item(label(QT_TR_NOOP("Select verse for the story:")))}, {4, item(verseSelector)}})},
         {12, column({{104, item(imgSelectVerse)}, {8, item(imgDeselectVerse)}})},
         {12, chosen},
         {8, column({{64, item(imgMoveUp)}, {8, item(imgMoveDown)}})}});
    QHBoxLayout* foot = line({{0, item(txtBibleStoryVerseNotes)},
                              {16, column({{0, item(imgSaveBibleStory)}, {10, item(imgCancelBibleStory)}})}});
    QVBoxLayout* body = column({{9, item(label(QT_TR_NOOP("Name of the Bible Story:")))}, {2, item(txtBibleStoryName)},
                                {12, middle}, {12, item(label(QT_TR_NOOP("Notes for the selected verse of the Bible Story")))},
                                {4, foot}});
    body->setContentsMargins(16, 0, 24, 16);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addLayout(body, 1);
    connectControls();
}

void StoryEditor::connectControls()
{
    connect(imgSelectVerse, &QToolButton::clicked, this, &StoryEditor::addSelectedVerses);
    connect(imgDeselectVerse, &QToolButton::clicked, this, &StoryEditor::removeChosenPart);
    connect(imgMoveUp, &QToolButton::clicked, this, &StoryEditor::moveChosenPartUp);
    connect(imgMoveDown, &QToolButton::clicked, this, &StoryEditor::moveChosenPartDown);
    connect(lstBibleStoryPart, &QListWidget::currentRowChanged, this, &StoryEditor::showChosenPartNotes);
    connect(imgBrowseBibleStoryPicture, &QToolButton::clicked, this, &StoryEditor::browsePicture);
    connect(imgClearBibleStoryPicture, &QToolButton::clicked, this, &StoryEditor::clearPicture);
    connect(imgSaveBibleStory, &QToolButton::clicked, this, &StoryEditor::save);
    connect(imgCancelBibleStory, &QToolButton::clicked, this, &StoryEditor::cancel);
    // Escape cancels, as in every dialog of the program.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("escapeShortcut"));
    connect(escape, &QShortcut::activated, imgCancelBibleStory, &QToolButton::click);
    connect(txtBibleStoryVerseNotes, &QPlainTextEdit::textChanged, this, [this] { m_notesTyped = true; });
}

void StoryEditor::setTooltips()
{
    const QList<QPair<QToolButton*, Caption>> tips = {
        {imgBrowseBibleStoryPicture, Caption::SelectStoryPicture},
        {imgClearBibleStoryPicture, Caption::ClearStoryPicture},
        {imgSelectVerse, Caption::AddVersesToStory},
        {imgDeselectVerse, Caption::RemoveVersesFromStory},
        {imgMoveUp, Caption::MoveVerseUp},
        {imgMoveDown, Caption::MoveVerseDown},
        {imgSaveBibleStory, Caption::SaveStory},
        {imgCancelBibleStory, Caption::CancelStory}};
    for (const auto& [b, id] : tips)
        b->setToolTip(LoadResString(id));
}

bool StoryEditor::load()
{
    if (m_loaded)
        return m_loadedOk;
    m_loaded = true;
    m_partCounter = FirstTemporaryPartNumber;
    setTooltips();
    verseSelector->fillTestaments();
    showPlaceholder();
    // Changes are written as they are made: without the backup, Cancel could not undo them.
    if (isEditMode() && !BackupStory(m_storyNumber)) {
        qCWarning(lcStories) << "Story" << m_storyNumber << "could not be backed up; it is not opened for changes";
        return false;
    }
    loadParts();
    m_loadedOk = true;
    return true;
}

void StoryEditor::loadParts()
{
    const QList<StoryPartRow> parts = ReadStoryParts(m_storyNumber);
    if (!parts.isEmpty()) {
        const StoryPartRow& first = parts.first();
        txtBibleStoryName->setText(first.name);
        setWindowTitle(tr("Editing \"%1\"").arg(first.name));
        m_picturePath = first.imagePath;
        if (!m_picturePath.isEmpty())
            ShowPictureFile(imgBibleStoryThumbNail, m_picturePath, StoryImageNotFoundPicture());
    } else {
        imgBibleStoryThumbNail->setPicture(StoryPicture::fromFile(StoryNoImagePicture()));
        imgBibleStoryThumbNail->sourcePath = StoryNoImagePicture();
    }
    const QSignalBlocker block(lstBibleStoryPart);
    for (const StoryPartRow& p : parts) {
        auto* item = new QListWidgetItem(PartItemText(p), lstBibleStoryPart);
        item->setData(Qt::UserRole, p.index);
    }
}

void StoryEditor::showPlaceholder()
{
    static const StoryPicture placeholder = placeholderPicture();
    imgBibleStoryThumbNail->setPicture(placeholder);
    imgBibleStoryThumbNail->sourcePath = QStringLiteral(":placeholder");
}

QList<int> StoryEditor::partIndexes() const
{
    QList<int> indexes;
    for (int i = 0; i < lstBibleStoryPart->count(); ++i)
        indexes << lstBibleStoryPart->item(i)->data(Qt::UserRole).toInt();
    return indexes;
}

void StoryEditor::addSelectedVerses()
{
    const Passage p = verseSelector->passage();
    const int index = AddStoryPart(&m_storyNumber, m_partCounter, p);
    if (index <= 0) {
        ShowMessage(Message::VersesNotAdded, this);
        return;
    }
    m_addedIndexes << index;
    auto* item = new QListWidgetItem(PartItemText(p), lstBibleStoryPart);
    item->setData(Qt::UserRole, index);
    lstBibleStoryPart->setCurrentRow(lstBibleStoryPart->count() - 1);
    ++m_partCounter;
}

void StoryEditor::removeChosenPart()
{
    const int i = lstBibleStoryPart->currentRow();
    if (i < 0 || lstBibleStoryPart->selectedItems().isEmpty()) {
        ShowMessage(Message::SelectVerseToRemove, this);
        return;
    }
    const int index = lstBibleStoryPart->item(i)->data(Qt::UserRole).toInt();
    if (!RemoveStoryPart(index)) {
        ShowMessage(Message::VerseNotRemoved, this);
        return;
    }
    if (m_notesIndex == index)
        m_notesIndex = 0;  // its notes went with it
    m_addedIndexes.removeOne(index);
    // A new story without rows has no number any more: another program may give it out meanwhile.
    if (!isEditMode() && m_addedIndexes.isEmpty())
        m_storyNumber = 0;
    {
        const QSignalBlocker block(lstBibleStoryPart);
        delete lstBibleStoryPart->takeItem(i);
        lstBibleStoryPart->setCurrentRow(-1);
    }
    if (i > 0 && i - 1 < lstBibleStoryPart->count())
        lstBibleStoryPart->setCurrentRow(i - 1);
    else if (i == 0 && lstBibleStoryPart->count() > 0)
        lstBibleStoryPart->setCurrentRow(0);
    else
        showChosenPartNotes();
}

void StoryEditor::swapParts(int from, int to)
{
    if (from < 0 || to < 0 || from >= lstBibleStoryPart->count() || to >= lstBibleStoryPart->count())
        return;
    QListWidgetItem* a = lstBibleStoryPart->item(from);
    QListWidgetItem* b = lstBibleStoryPart->item(to);
    const QString text = a->text();
    const QVariant partData = a->data(Qt::UserRole);
    a->setText(b->text());
    a->setData(Qt::UserRole, b->data(Qt::UserRole));
    b->setText(text);
    b->setData(Qt::UserRole, partData);
    // The same part stays shown, so its typed notes are not in the way.
    const QSignalBlocker block(lstBibleStoryPart);
    lstBibleStoryPart->setCurrentRow(to);
}

void StoryEditor::moveChosenPartUp()
{
    const int i = lstBibleStoryPart->currentRow();
    if (i >= 0 && !lstBibleStoryPart->selectedItems().isEmpty())
        swapParts(i, i - 1);
}

void StoryEditor::moveChosenPartDown()
{
    const int i = lstBibleStoryPart->currentRow();
    if (i >= 0 && !lstBibleStoryPart->selectedItems().isEmpty())
        swapParts(i, i + 1);
}

void StoryEditor::showChosenPartNotes()
{
    keepTypedNotes();
    QListWidgetItem* item = lstBibleStoryPart->currentItem();
    bindNotes(item ? item->data(Qt::UserRole).toInt() : 0);
}

void StoryEditor::bindNotes(int index)
{
    m_notesIndex = index;
    if (index > 0)
        adoBibleVerse->bind(StoryConnection(), StoryPartSql(), {index});
    else
        adoBibleVerse->clear();
    {
        const QSignalBlocker block(txtBibleStoryVerseNotes);
        const QString notes = index > 0 ? adoBibleVerse->currentText(QStringLiteral("StoryNotes")) : QString();
        EditNotes(txtBibleStoryVerseNotes, notes);
    }
    m_notesTyped = false;
}

// Typed notes are written when the reader leaves the part or saves, not only on Enter.
void StoryEditor::keepTypedNotes()
{
    if (m_notesIndex > 0 && m_notesTyped && WriteStoryNotes(m_notesIndex, NotesOf(txtBibleStoryVerseNotes)))
        m_notesTyped = false;
}

void StoryEditor::writeNotes()
{
    if (m_notesIndex <= 0 || lstBibleStoryPart->selectedItems().isEmpty())
        return;
    if (WriteStoryNotes(m_notesIndex, NotesOf(txtBibleStoryVerseNotes)))
        m_notesTyped = false;
}

void StoryEditor::browsePicture()
{
    const QString chosen = interaction().openFileName(this, tr("Load Bible Story Verse Image"),
                                                      m_picturePath, PictureFilter());
    if (chosen.isEmpty())
        return;
    m_picturePath = chosen;
    PictureLoad outcome = PictureLoad::Missing;
    const StoryPicture picture = StoryPicture::fromFile(chosen, &outcome);
    if (outcome == PictureLoad::Loaded) {
        imgBibleStoryThumbNail->setPicture(picture);
        imgBibleStoryThumbNail->sourcePath = chosen;
    }
}

void StoryEditor::clearPicture()
{
    m_picturePath = StoryNoImagePicture();
    imgBibleStoryThumbNail->setPicture(StoryPicture::fromFile(m_picturePath));
    imgBibleStoryThumbNail->sourcePath = m_picturePath;
}

void StoryEditor::save()
{
    if (txtBibleStoryName->text().isEmpty()) {
        ShowMessage(Message::StoryNameMissing, this);
        return;
    }
    if (lstBibleStoryPart->count() == 0) {
        ShowMessage(Message::StoryHasNoVerse, this);
        return;
    }
    keepTypedNotes();
    if (!SaveStory(m_storyNumber, partIndexes(), txtBibleStoryName->text(), m_picturePath,
                   &m_partCounter)) {
        ShowMessage(Message::StoryNotSaved, this);
        return;
    }
    emit storySaved();
    close();
}

void StoryEditor::cancel()
{
    if (!CancelStory(m_storyNumber, isEditMode(), m_addedIndexes)) {
        ShowMessage(Message::StoryNotRestored, this);
        return;
    }
    close();
}

void StoryEditor::showEvent(QShowEvent* event)
{
    if (!load())
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    QWidget::showEvent(event);
}

bool StoryEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtBibleStoryVerseNotes && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Enter saves the notes as typed and is not itself typed; Shift+Enter still breaks the line.
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !(key->modifiers() & Qt::ShiftModifier)) {
            writeNotes();
            return true;
        }
    } else if (watched == txtBibleStoryVerseNotes->viewport() && event->type() == QEvent::MouseButtonRelease) {
        txtBibleStoryVerseNotes->selectAll();
    }
    return QWidget::eventFilter(watched, event);
}

StoryEditor* OpenStoryEditor(StoryEditorMode mode, int storyNumber, QWidget* owner)
{
    auto* editor = new StoryEditor(mode, storyNumber, owner);
    if (!editor->load()) {
        delete editor;
        ShowMessage(Message::StoryNotBackedUp, owner);
        return nullptr;
    }
    editor->show();
    return editor;
}

} // namespace kivra
