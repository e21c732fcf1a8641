#include "resources/Widgets.h"

#include "resources/Icons.h"
#include "resources/Strings.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QFrame>
#include <QMenu>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kivra {

QToolButton* MakeImageButton(QWidget* parent, const QString& objectName, int size)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setAutoRaise(true);
    button->setIcon(controlIcon(objectName));
    button->setIconSize(QSize(size - 4, size - 4));
    button->setFixedSize(size, size);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

TitleStrip::TitleStrip(const QString& heading, int headingWidth, QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("imgTitleBar"));
    setScaledContents(true);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // the picture follows the window
    m_heading = Named(new QLabel(heading), "lblTopHeading");
    m_heading->setAlignment(Qt::AlignCenter);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    QPalette palette = m_heading->palette();
    palette.setColor(QPalette::WindowText, Qt::white);  // readable on the dark strip
    m_heading->setPalette(palette);
    if (headingWidth > 0)
        FixWidth(m_heading, headingWidth);
    FixHeight(m_heading, 19);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->addWidget(m_heading, 0, Qt::AlignHCenter);
    setFixedHeight(m_heading->height() + 4);
}

void TitleStrip::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (width() > 0)
        setPixmap(windowPicture(QStringLiteral("title-strip"), size()));
}

int TextLineHeight(const QWidget* control)
{
    return std::min(control->minimumSizeHint().height(), control->fontMetrics().height() + 5);
}

QFrame* FramePane(QWidget* pane, const char* frameName, const QMargins& inside)
{
    auto* frame = Named(new QFrame, frameName);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(frame);
    // A layout keeps clear of the frame's own border already.
    const int border = frame->frameWidth();
    layout->setContentsMargins(inside - QMargins(border, border, border, border));
    layout->addWidget(pane);
    return frame;
}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::forwardTo(QAbstractButton* button)
{
    m_button = button;
    if (button->accessibleName().isEmpty())
        button->setAccessibleName(text());  // the picture is read by its caption
    connect(this, &ClickLabel::clicked, button, &QAbstractButton::click);
    setToolTip(button->toolTip());
    button->installEventFilter(this);
}

bool ClickLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_button && event->type() == QEvent::ToolTipChange)
        setToolTip(m_button->toolTip());
    return QLabel::eventFilter(watched, event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

namespace {
const char* const StoredNotes = "kivraStoredNotes";  // the notes behind a box that shows them in pieces

QString paragraphInPieces(QStringView paragraph)
{
    QString out;
    while (paragraph.size() > NotesParagraphLimit) {
        qsizetype cut = paragraph.left(NotesParagraphLimit).lastIndexOf(QLatin1Char(' '));
        if (cut < NotesParagraphLimit / 2)
            cut = NotesParagraphLimit;  // no blank near the limit: cut inside the word
        out += paragraph.left(cut);
        out += QLatin1Char('\n');
        paragraph = paragraph.mid(cut);
    }
    out += paragraph;
    return out;
}
} // namespace

QString NotesInPieces(const QString& notes)
{
    QString out;
    out.reserve(notes.size() + notes.size() / NotesParagraphLimit + 1);
    const QStringList paragraphs = notes.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            out += QLatin1Char('\n');
        out += paragraphInPieces(paragraphs[i]);
    }
    return out;
}

void ShowNotes(QPlainTextEdit* box, const QString& notes)
{
    box->setPlainText(NotesInPieces(notes));
}

void EditNotes(QPlainTextEdit* box, const QString& notes)
{
    const QString shown = NotesInPieces(notes);
    const bool inPieces = shown.size() != notes.size();
    box->setPlainText(shown);
    box->setReadOnly(inPieces);
    // Read-only, they are still read with the keyboard: a caret, the arrow and page keys, selecting, copying.
    if (inPieces)
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setProperty(StoredNotes, inPieces ? QVariant(notes) : QVariant());
    box->setToolTip(inPieces ? LoadResString(Caption::NotesTooLongToEdit) : QString());
}

QString NotesOf(const QPlainTextEdit* box)
{
    const QVariant stored = box->property(StoredNotes);
    return stored.isValid() ? stored.toString() : box->toPlainText();
}

void ShowVerseMenu(QAbstractScrollArea* view, const QPoint& at, const VerseMenuActions& actions)
{
    const auto text = [](const char* source) { return QCoreApplication::translate("VerseMenu", source); };
    QMenu menu(view);
    menu.addAction(text(QT_TRANSLATE_NOOP("VerseMenu", "Copy")), [&] { actions.copy(false); });
    menu.addAction(text(QT_TRANSLATE_NOOP("VerseMenu", "Copy with reference")), [&] { actions.copy(true); });
    menu.addSeparator();
    menu.addAction(text(QT_TRANSLATE_NOOP("VerseMenu", "Bookmark")), actions.bookmark);
    menu.addAction(text(QT_TRANSLATE_NOOP("VerseMenu", "Print Preview...")), actions.preview);
    if (actions.readAloud)
        menu.addAction(text(QT_TRANSLATE_NOOP("VerseMenu", "Read aloud")), actions.readAloud);
    if (actions.commentary) {
        menu.addSeparator();
        menu.addAction(text(QT_TRANSLATE_NOOP("VerseMenu", "Commentary beside the passage")), actions.commentary);
    }
    menu.exec(view->viewport()->mapToGlobal(at));
}

QLayout* CaptionBeside(QLabel* caption)
{
    auto* box = new QVBoxLayout;
    box->setContentsMargins(0, 4, 0, 0);
    box->addWidget(caption);
    box->addStretch(1);
    return box;
}

} // namespace kivra
