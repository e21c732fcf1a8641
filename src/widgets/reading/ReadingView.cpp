#include "reading/ReadingView.h"

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

namespace kivra {
ReadingView::ReadingView(QWidget* area, VerseRangeSelector* selectors, QObject* parent)
    : QObject(parent), m_selectors(selectors)
{
    setObjectName(QStringLiteral("ReadingView"));
    m_frame = MakeSunkenFrame(area, "shpBibleText", QRect(248, 88, 633, 393));
    m_text = Place(new QTextEdit(area), "txtBibleText", QRect(256, 96, 617, 377));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setAccessibleName(tr("Passage"));
    m_text->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_text, &QWidget::customContextMenuRequested, this, &ReadingView::showMenu);
}

void ReadingView::setVisible(bool visible)
{
    m_frame->setVisible(visible);
    m_text->setVisible(visible);
}

void ReadingView::showChosenPassage()
{
    auto verses = QueryPassage(m_selectors->passage());
    if (!verses || verses->recordCount() == 0)
        return;
    m_text->setPlainText(RenderPassage(*verses, options(), QStringLiteral("\n"), &m_spans));
    m_book = m_selectors->cboBook->currentText();
    ApplyReadingFont(m_text);
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

bool ReadingView::chooseNextChapter()
{
    return chooseChapterAt(m_selectors->cboFromChapter->currentIndex() + 1);
}

bool ReadingView::choosePreviousChapter()
{
    return chooseChapterAt(m_selectors->cboFromChapter->currentIndex() - 1);
}

bool ReadingView::chooseChapterAt(int position)
{
    QComboBox* chapters = m_selectors->cboFromChapter;
    if (chapters->currentIndex() < 0 || position < 0 || position >= chapters->count())
        return false;
    chapters->setCurrentIndex(position);
    m_selectors->cboToSection->setCurrentIndex(m_selectors->cboToSection->count() - 1);
    return true;
}

QString ReadingView::statusText() const
{
    return PassageStatusText(m_selectors->passage());
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
                   [this] { emit previewRequested(); }, [this] { emit readAloudRequested(); }});
}

} // namespace kivra
