// Aids readers of other Bible programs reach for: going to a typed reference, opening a search
// result in its chapter, and looking at the printed pages first.
#include "app/MainWindow.h"

#include "output/VerseExport.h"
#include "reading/ReferenceBox.h"
#include "reading/ReferenceParser.h"
#include "storage/DataControl.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QTextEdit>

namespace kivra {
namespace {

// Enter on a result row opens it in its chapter, as a double click does.
class ResultEnterKey : public QObject {
public:
    explicit ResultEnterKey(MainWindow* window) : QObject(window), m_window(window) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_window->OpenResultInChapter();
        return true;
    }

private:
    MainWindow* m_window;
};

const BibleBook* bookByAbbreviation(const BookCatalogue& books, const QString& abbreviation)
{
    for (const BibleBook& book : books)
        if (book.abbreviation == abbreviation)
            return &book;
    return nullptr;
}

} // namespace

void MainWindow::connectReaderAids()
{
    // Over the tab pictures, on the line of the search box: a place no documented control uses.
    QWidget* central = centralWidget();
    auto* caption = new QLabel(tr("Go to"), central);
    caption->setObjectName(QStringLiteral("lblGoToReference"));
    caption->setGeometry(8, 64, 40, 19);
    txtGoToReference = new ReferenceBox(central);
    txtGoToReference->setGeometry(48, 64, 193, 19);
    caption->setBuddy(txtGoToReference);
    connect(txtGoToReference, &ReferenceBox::referenceChosen, this, &MainWindow::ShowReference);
    addFocusShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), txtGoToReference);

    dgdSearchResults->installEventFilter(new ResultEnterKey(this));
    connect(dgdSearchResults, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!index.isValid())
            return;
        adoBible->setCurrentRow(index.row());
        OpenResultInChapter();
    });

    auto* preview = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), this);
    preview->setObjectName(QStringLiteral("PrintPreviewShortcut"));
    connect(preview, &QShortcut::activated, this, &MainWindow::PreviewBibleVerse);
}

bool MainWindow::GoToReference(const QString& text)
{
    txtGoToReference->setText(text);
    return txtGoToReference->goTo();
}

void MainWindow::ShowReference(const BibleReference& reference)
{
    const PassageChoice choice = ChoiceFor(reference);
    LoadBibleTextOnDemand(choice.testament, choice.book, choice.fromChapter, choice.fromSection, choice.toChapter,
                          choice.toSection);
}

void MainWindow::OpenResultInChapter()
{
    if (ViewMode.toLower() != QLatin1String("searcher") || adoBible->currentRow() < 0)
        return;
    const BookCatalogue books = LoadBookCatalogue();
    const BibleBook* book = bookByAbbreviation(books, adoBible->currentText(QStringLiteral("BookAbbreviation")));
    const int chapter = adoBible->currentValue(QStringLiteral("Chapter")).toInt();
    const int verse = adoBible->currentValue(QStringLiteral("Sections")).toInt();
    if (!book || chapter < 1 || chapter > book->chapters())
        return;
    const QString chapterText = QString::number(chapter);
    LoadBibleTextOnDemand(book->testament, book->name, chapterText, QStringLiteral("1"), chapterText,
                          QString::number(book->verseCounts[chapter - 1]));
    selectShownVerse(chapter, verse);
}

void MainWindow::selectShownVerse(int chapter, int verse)
{
    const QString text = passageText();
    for (int i = 0; i < m_passageSpans.size(); ++i) {
        if (m_passageSpans[i].chapter != chapter || m_passageSpans[i].section != verse)
            continue;
        const int start = m_passageSpans[i].start;
        int end = i + 1 < m_passageSpans.size() ? m_passageSpans[i + 1].start : int(text.size());
        while (end > start && text[end - 1].isSpace())  // not the blank line after it
            --end;
        QTextCursor cursor = txtBibleText->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        txtBibleText->setTextCursor(cursor);
        // With the verse a third down the pane, the reader sees what leads up to it and what follows.
        QTextCursor verseStart = cursor;
        verseStart.setPosition(start);
        QScrollBar* scroll = txtBibleText->verticalScrollBar();
        scroll->setValue(scroll->value() + txtBibleText->cursorRect(verseStart).top()
                         - txtBibleText->viewport()->height() / 3);
        txtBibleText->ensureCursorVisible();
        return;
    }
}

void MainWindow::fillPrintBox()
{
    // Plain text only: the print box's own font, not the pane's.
    rxtPrint->setPlainText(PrintTextFor(ViewMode, txtBibleText->toPlainText(), txtSelectedSection->toPlainText()));
}

QString MainWindow::printHeading() const
{
    // A single result prints as its bare text, as it always has; a passage is headed so it can be filed.
    if (ViewMode.toLower() != QLatin1String("reader") || m_passageSpans.isEmpty())
        return {};
    const VerseSpan& first = m_passageSpans.first();
    const VerseSpan& last = m_passageSpans.last();
    return ReferenceText(m_passageBook, first.chapter, first.section, last.chapter, last.section);
}

void MainWindow::PreviewBibleVerse()
{
    fillPrintBox();
    PreviewRichTextBox(rxtPrint, this, printHeading());
}

} // namespace kivra
