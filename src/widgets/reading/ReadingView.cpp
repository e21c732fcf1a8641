#include "reading/ReadingView.h"

#include "reading/ChosenBible.h"
#include "reading/LocalBookNames.h"
#include "reading/ReferenceParser.h"
#include "reading/VerseRangeSelector.h"
#include "resources/Interaction.h"
#include "resources/Widgets.h"
#include "settings/Options.h"
#include "settings/TextBoxOptions.h"

#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QVBoxLayout>

namespace kivra {
ReadingView::ReadingView(VerseRangeSelector* selectors, QWidget* parent)
    : QWidget(parent), m_selectors(selectors)
{
    setObjectName(QStringLiteral("ReadingView"));
    m_text = Named(new QTextEdit, "txtBibleText");
    // The text sits 8 inside its frame and leaves 16 below.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FramePane(m_text, "shpBibleText", QMargins(8, 8, 8, 16)));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setAccessibleName(tr("Passage"));
    m_text->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_text, &QWidget::customContextMenuRequested, this, &ReadingView::showMenu);
}

void ReadingView::showChosenPassage()
{
    const Passage passage = m_selectors->passage();
    auto verses = QueryPassage(passage);
    // The built-in Bible has every verse the selectors offer; another may lack them all.
    if (!verses || (verses->recordCount() == 0 && !ChosenModuleText()))
        return;
    m_text->setPlaceholderText(verses->recordCount() == 0 ? missingText(passage) : QString());
    m_text->setPlainText(RenderPassage(*verses, options(), QStringLiteral("\n"), &m_spans));
    m_shown = m_selectors->passage();
    m_book = ShownBookName(m_shown->book);  // as the reader sees it, for copies and print headings
    ApplyReadingFont(m_text);
    emit passageShown();
}

void ReadingView::chooseStoredPassage(const Passage& passage)
{
    const Passage shown = m_selectors->passage();
    if (m_selectors->choosePassage(passage))
        return;
    m_selectors->choosePassage(shown);
    ShowMessage(Message::PassageNotInBible, m_text->window(),
                {PassageStatusText(passage)});
}

QString ReadingView::missingText(const Passage& passage)
{
    const QString missing = MissingVerses(passage);
    return missing.isEmpty() ? QString()
                             : LoadResString(Message::VersesMissing).arg(ChosenBibleDescription(), ShownBookName(passage.book), missing);
}

QString ReadingView::statusText() const
{
    const Passage passage = m_selectors->passage();
    const QString missing = missingText(passage);
    if (!missing.isEmpty())
        return PassageStatusText(passage) + QStringLiteral("   ") + missing;
    return PassageStatusText(passage);
}

QString ReadingView::text() const { return m_text->toPlainText(); }

QString ReadingView::selectionReference() const
{
    const QTextCursor cursor = m_text->textCursor();
    if (!cursor.hasSelection())
        return SelectionReference(m_spans, m_book, 0, int(text().size()));
    return SelectionReference(m_spans, m_book, cursor.selectionStart(), cursor.selectionEnd());
}

QString ReadingView::heading() const
{
    if (m_spans.isEmpty())
        return {};
    const VerseSpan& first = m_spans.first();
    const VerseSpan& last = m_spans.last();
    return ReferenceText({m_book, first.chapter, first.section, last.chapter, last.section});
}

void ReadingView::copy(bool withReference)
{
    const QTextCursor cursor = m_text->textCursor();
    // Without a selection the whole passage is meant.
    QString copied = cursor.hasSelection() ? cursor.selection().toPlainText() : text();
    if (withReference)
        copied = TextWithReference(copied, selectionReference());
    QGuiApplication::clipboard()->setText(copied);
}

void ReadingView::selectVerse(int chapter, int verse)
{
    const QString shown = text();
    for (int i = 0; i < m_spans.size(); ++i) {
        if (m_spans[i].chapter != chapter || m_spans[i].section != verse)
            continue;
        const int start = m_spans[i].start;
        int end = i + 1 < m_spans.size() ? m_spans[i + 1].start : int(shown.size());
        while (end > start && shown[end - 1].isSpace())  // not the blank line after it
            --end;
        QTextCursor cursor = m_text->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        m_text->setTextCursor(cursor);
        // With the verse a third down the pane, the reader sees what leads up to it and what follows.
        QTextCursor verseStart = cursor;
        verseStart.setPosition(start);
        QScrollBar* scroll = m_text->verticalScrollBar();
        scroll->setValue(scroll->value() + m_text->cursorRect(verseStart).top() - m_text->viewport()->height() / 3);
        m_text->ensureCursorVisible();
        return;
    }
}

void ReadingView::showMenu(const QPoint& at)
{
    ShowVerseMenu(m_text, at,
                  {[this](bool withReference) { copy(withReference); }, [this] { emit bookmarkRequested(); },
                   [this] { emit previewRequested(); }, [this] { emit readAloudRequested(); },
                   [this] { emit commentaryRequested(); }});
}

} // namespace kivra
