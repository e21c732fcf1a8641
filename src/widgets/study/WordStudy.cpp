#include "study/WordStudy.h"

#include "reading/BookCatalogue.h"
#include "reading/ChosenBible.h"
#include "reading/ReadingView.h"
#include "shelf/Shelf.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace kivra {
namespace {

constexpr int HoverDelayMs = 450;
constexpr int PanelWidth = 380;

int characters(const QByteArray& utf8, int bytes)
{
    return int(QString::fromUtf8(utf8.constData(), bytes).size());
}

} // namespace

WordStudy::WordStudy(ReadingView* view) : QFrame(view->textBox()), m_view(view)
{
    setObjectName(QStringLiteral("WordStudy"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    m_heading = new QLabel;
    m_heading->setTextFormat(Qt::RichText);
    m_entry = new QLabel;
    m_entry->setWordWrap(true);
    m_entry->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_everyUse = new QPushButton;
    m_everyUse->setObjectName(QStringLiteral("cmdEveryUse"));
    m_everyUse->setAccessibleName(tr("Every verse with this number"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(m_heading);
    layout->addWidget(m_entry);
    layout->addWidget(m_everyUse, 0, Qt::AlignLeft);
    setAccessibleName(tr("Word study"));
    hide();
    m_hover = new QTimer(this);
    m_hover->setSingleShot(true);
    m_hover->setInterval(HoverDelayMs);
    connect(m_hover, &QTimer::timeout, this, &WordStudy::hoverTimedOut);
    connect(m_everyUse, &QPushButton::clicked, this, [this] {
        if (m_number)
            emit everyUseRequested(*m_number);
        hide();
    });
    connect(view, &ReadingView::passageShown, this, &WordStudy::followPassage);
    connect(view->textBox()->verticalScrollBar(), &QScrollBar::valueChanged, this, &QWidget::hide);  // its word moved away
    view->textBox()->viewport()->setMouseTracking(true);
    view->textBox()->viewport()->installEventFilter(this);
    view->textBox()->installEventFilter(this);
    m_box = view->textBox();
    m_viewport = view->textBox()->viewport();
}

void WordStudy::followPassage()
{
    hide();
    m_words.clear();
    m_wordsFound = false;
    if (m_numbersShown)
        setNumbersShown(true);
}

// The marked words of the passage in the pane, found when a word is first pointed at; the Strong's
// numbers of a Bible are read then, not when it is chosen.
void WordStudy::findWords()
{
    if (m_wordsFound)
        return;
    m_wordsFound = true;
    const std::shared_ptr<const ModuleText> text = ChosenModuleText();
    const std::optional<Passage> passage = m_view->shownPassage();
    if (!text || !passage)
        return;
    const std::shared_ptr<const StrongsIndex> index = StrongsIndex::of(text);
    const BibleBook* book = index ? BibleBooks()->bookNamed(passage->book) : nullptr;
    if (!book)
        return;
    const int bookIndex = text->bookIndex(book->abbreviation);
    for (const VerseSpan& span : m_view->spans()) {
        const int entry = text->find(bookIndex, span.chapter, span.section);
        const QByteArray utf8 = entry >= 0 ? text->text(entry) : QByteArray();
        for (const StrongsIndex::Word& word : index->wordsOf(entry))
            m_words.append({span.start + characters(utf8, word.start), span.start + characters(utf8, word.end),
                            index->numbersOf(word)});
    }
}

void WordStudy::setNumbersShown(bool shown)
{
    const bool wasShown = m_numbersShown;
    m_numbersShown = shown;
    if (wasShown && !shown) {
        m_view->showChosenPassage();  // the plain text again
        return;
    }
    if (!shown)
        return;
    findWords();
    if (m_words.isEmpty())
        return;
    // The numbers go in small raised letters after their words; the words behind them move on.
    QTextCharFormat raised;
    raised.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    raised.setForeground(QColor(0x60, 0x60, 0x90));
    QTextCursor cursor(m_view->textBox()->document());
    cursor.beginEditBlock();
    int moved = 0;
    for (ShownWord& word : m_words) {
        QStringList numbers;
        for (const StrongsNumber& number : word.numbers)
            numbers << number.text();
        const QString inserted = numbers.join(u' ');
        word.start += moved;
        word.end += moved;
        cursor.setPosition(word.end);
        cursor.insertText(inserted, raised);
        moved += int(inserted.size());
    }
    cursor.endEditBlock();
}

const WordStudy::ShownWord* WordStudy::wordAt(int position) const
{
    for (const ShownWord& word : m_words)
        if (position >= word.start && position < word.end)
            return &word;
    return nullptr;
}

bool WordStudy::showAt(int position)
{
    findWords();
    const ShownWord* word = wordAt(position);
    if (!word) {
        hide();
        return false;
    }
    m_number = word->numbers.first();
    QString error;
    const std::optional<LexiconEntry> entry = Lexicon::lookUp(*m_number, &error);
    QStringList others;
    for (const StrongsNumber& number : word->numbers.mid(1))
        others << number.text();
    QString heading = QStringLiteral("<b>%1</b>").arg(m_number->text());
    if (entry) {
        heading += QStringLiteral("&nbsp;&nbsp;<big>%1</big>&nbsp;&nbsp;<i>%2</i>")
                       .arg(entry->word.toHtmlEscaped(), entry->transliteration.toHtmlEscaped());
        if (!entry->pronunciation.isEmpty())
            heading += QStringLiteral(" (%1)").arg(entry->pronunciation.toHtmlEscaped());
    }
    if (!others.isEmpty())
        heading += QStringLiteral("<br>") + tr("also %1").arg(others.join(QStringLiteral(", "))).toHtmlEscaped();
    m_heading->setText(heading);
    m_entry->setText(entry ? entry->text : error);
    m_everyUse->setText(tr("Every verse with %1").arg(m_number->text()));
    // Under the word, inside the pane.
    QTextEdit* box = m_view->textBox();
    QTextCursor at(box->document());
    at.setPosition(word->start);
    const QRect wordRect = box->cursorRect(at).translated(box->viewport()->pos());
    setFixedWidth(std::min(PanelWidth, box->width() - 8));
    adjustSize();
    int x = std::clamp(wordRect.left(), 4, std::max(4, box->width() - width() - 4));
    int y = wordRect.bottom() + 4;
    if (y + height() > box->height() - 4)
        y = std::max(4, wordRect.top() - height() - 4);
    move(x, y);
    show();
    raise();
    return true;
}

bool WordStudy::showAtCursor()
{
    const QTextCursor cursor = m_view->textBox()->textCursor();
    return showAt(cursor.hasSelection() ? cursor.selectionStart() : cursor.position());
}

void WordStudy::hoverTimedOut()
{
    if (isVisible() && geometry().contains(m_view->textBox()->mapFromGlobal(QCursor::pos())))
        return;  // the reader went on to the panel
    QTextEdit* box = m_view->textBox();
    const QPointF inDocument = m_hoverAt + QPointF(box->horizontalScrollBar()->value(), box->verticalScrollBar()->value());
    const int position = box->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
    if (position < 0 || !showAt(position))
        hide();
}

bool WordStudy::eventFilter(QObject* watched, QEvent* event)
{
    // Compared by address only: events still arrive while the reading view is being torn down.
    if (watched == m_viewport) {
        if (event->type() == QEvent::MouseMove && ChosenModuleText() && (!m_wordsFound || !m_words.isEmpty())) {
            m_hoverAt = static_cast<QMouseEvent*>(event)->position().toPoint();
            m_hover->start();
        } else if (event->type() == QEvent::MouseButtonPress) {
            hide();
        }
    } else if (watched == m_box && event->type() == QEvent::KeyPress && isVisible()
               && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return false;
}

} // namespace kivra
