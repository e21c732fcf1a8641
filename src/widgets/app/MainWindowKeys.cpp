// The keys of the main window (made from the one key table), the order Tab walks, the tab pictures
// marked as tabs, the names a screen reader reads, and the zoom of the reading text.
#include "app/KeyListDialog.h"
#include "app/MainWindow.h"
#include "study/WordStudy.h"

#include "bookmarks/BookmarkPanel.h"
#include "reading/BibleChooser.h"
#include "reading/ReadAloud.h"
#include "reading/ReadingView.h"
#include "reading/ReferenceBox.h"
#include "reading/SearchResultsView.h"
#include "reading/VerseRangeSelector.h"
#include "resources/Accessibility.h"
#include "resources/Interaction.h"
#include "resources/Keys.h"
#include "settings/ViewSettings.h"
#include "settings/TextBoxOptions.h"
#include "stories/StoryPanel.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>

namespace kivra {

void MainWindow::setupShortcuts()
{
    m_readAloud = new ReadAloud(this);
    connect(m_readAloud, &ReadAloud::statusChanged, m_status, &QLabel::setText);
    connect(m_reading, &ReadingView::readAloudRequested, this, &MainWindow::readAloud);
    connect(m_results, &SearchResultsView::readAloudRequested, this, &MainWindow::readAloud);
    connect(m_readAloud, &ReadAloud::noSpeechEngine, this, [this] { ShowMessage(Message::NoSpeechEngine, this); });
    for (const KeyBinding& binding : KeyTable()) {
        if (binding.command == KeyCommand::ViewKey)
            continue;
        for (const QKeySequence& key : binding.keys) {
            auto* shortcut = new QShortcut(key, this);
            if (key == binding.keys.first())
                shortcut->setObjectName(binding.button ? QLatin1String(binding.button) + QStringLiteral("Shortcut")
                                                       : QStringLiteral("Shortcut") + key.toString());
            const KeyCommand command = binding.command;
            connect(shortcut, &QShortcut::activated, this, [this, command] { runKeyCommand(command); });
        }
    }
}

void MainWindow::runKeyCommand(KeyCommand command)
{
    switch (command) {
    case KeyCommand::GoToReference:
        return focusBox(m_goToReference);
    case KeyCommand::FindText:
        return focusBox(m_searchText);
    case KeyCommand::PrintPreview:
        return previewVerses();
    case KeyCommand::ZoomIn:
        return zoomReading(ReadingZoom() + ReadingZoomStep);
    case KeyCommand::ZoomOut:
        return zoomReading(ReadingZoom() - ReadingZoomStep);
    case KeyCommand::ZoomReset:
        return zoomReading(0);
    case KeyCommand::ReadAloud:
        return readAloud();
    case KeyCommand::StopReading:
        return m_readAloud->stop();
    case KeyCommand::ReadFaster:
        return m_readAloud->changeRate(0.2);
    case KeyCommand::ReadSlower:
        return m_readAloud->changeRate(-0.2);
    case KeyCommand::KeyList:
        return showKeyList();
    case KeyCommand::WordStudy:
        if (m_viewMode == ViewMode::Reader)
            m_wordStudy->showAtCursor();
        return;
    case KeyCommand::StrongsNumbers:
        return m_wordStudy->setNumbersShown(!m_wordStudy->numbersShown());
    case KeyCommand::Commentary:
        return toggleCommentary();
    case KeyCommand::Quit:
        close();
        return;
    default:
        if (const char* button = KeyFor(command).button)
            if (auto* picture = findChild<QAbstractButton*>(QLatin1String(button)); picture && picture->isVisible())
                picture->click();
    }
}

void MainWindow::focusBox(QLineEdit* box)
{
    box->setFocus(Qt::ShortcutFocusReason);
    box->selectAll();
}

void MainWindow::addShortcutHints()
{
    // A picture without a tooltip (About) keeps none; the key list names its key.
    for (const KeyBinding& binding : KeyTable()) {
        auto* button = binding.button ? findChild<QToolButton*>(QLatin1String(binding.button)) : nullptr;
        if (!button || button->toolTip().isEmpty())
            continue;
        const QString key = binding.keys.first().toString(QKeySequence::NativeText);
        if (!button->toolTip().contains(key))
            button->setToolTip(QStringLiteral("%1 (%2)").arg(button->toolTip(), key));
    }
    const QString findKey = KeyFor(KeyCommand::FindText).keys.first().toString(QKeySequence::NativeText);
    if (!m_searchText->toolTip().contains(findKey))
        m_searchText->setToolTip(tr("Search the whole Bible (%1)").arg(findKey));
}

void MainWindow::setTabOrder()
{
    // Where a reader starts, then what the window does, then the passage choice, what is read and
    // the notes; hidden controls are passed over.
    QList<QWidget*> chain = {m_goToReference, m_bibleChooser, m_compare, m_searchText, m_wholeWords,
                             m_addBookmark, m_advancedSearch, m_clearSearch, m_print, m_exportVerses, m_options,
                             m_support, m_about, m_web, m_commentaryButton, m_verseSelectorTab, m_storyTab, m_bookmarkTab, m_donate};
    chain << m_selectors->focusChain() << m_previousChapter << m_openPassage << m_nextChapter << m_wordsFromGod;
    for (QWidget* panel : {static_cast<QWidget*>(m_bookmarkPanel), static_cast<QWidget*>(m_storyPanel)})
        for (QWidget* control : panel->findChildren<QWidget*>())
            if (control->focusPolicy() & Qt::TabFocus)
                chain << control;
    chain << m_reading->textBox() << m_results->grid() << findChild<QWidget*>(QStringLiteral("txtSelectedSection"))
          << m_notes << m_related << m_backToResults;
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::nameControls()
{
    // The tab pictures act as tabs: one is marked as shown, and a reader hears which.
    if (!m_tabs) {
        m_tabs = new QButtonGroup(this);
        m_tabs->setExclusive(true);
        for (QToolButton* tab : {m_verseSelectorTab, m_storyTab, m_bookmarkTab}) {
            ReadAsTab(tab);
            m_tabs->addButton(tab);
        }
        m_verseSelectorTab->setAccessibleName(tr("Verse Selector"));
        m_storyTab->setAccessibleName(tr("Bible Stories"));
        m_bookmarkTab->setAccessibleName(tr("Bookmarks"));
        m_donate->setAccessibleName(m_donateCaption->text());
        m_verseSelectorTab->setChecked(true);  // the window opens on it
    }
    const QList<QPair<const char*, QWidget*>> labelled = {{"lblSearchFor", m_searchText},
                                                          {"lblWordsFromGod", m_wordsFromGod},
                                                          {"lblNotesHeading", m_notes},
                                                          {"lblRelatedVerse", m_related}};
    for (const auto& [name, control] : labelled)
        if (auto* label = findChild<QLabel*>(QLatin1String(name)))
            LabelFor(label, control);
    // The verse of the day is read with the keyboard as well, caret and selection.
    m_wordsFromGod->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    NameUnnamedControls(this);
}

void MainWindow::markShownTab(QWidget* panel)
{
    QToolButton* tab = panel == m_bookmarkPanel ? m_bookmarkTab : panel == m_storyPanel ? m_storyTab : m_verseSelectorTab;
    tab->setChecked(true);
}

void MainWindow::readAloud()
{
    if (m_viewMode == ViewMode::Reader)
        m_readAloud->toggle(m_reading->textBox(), m_reading->spans());
    else  // the selected result, as one verse
        m_readAloud->toggle(findChild<QTextEdit*>(QStringLiteral("txtSelectedSection")), {VerseSpan{}});
}

void MainWindow::showKeyList()
{
    KeyListDialog window(this);
    window.exec();
}

void MainWindow::zoomReading(int points)
{
    SetReadingZoom(points);
    ApplyReadingFont(m_reading->textBox());
}

void MainWindow::announceCount(const QString& text)
{
    m_status->setText(text);
    // A screen reader speaks the changed description of the control that has the focus: the search
    // box after a quick search, the results when they are reached.
    for (QWidget* control : {static_cast<QWidget*>(m_searchText), static_cast<QWidget*>(m_results->grid())})
        control->setAccessibleDescription(text);
}

} // namespace kivra
