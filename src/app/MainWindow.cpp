#include "app/MainWindow.h"

#include "reading/MatchDelegate.h"
#include "reading/Passage.h"
#include "reading/SelectorData.h"
#include "resources/Interaction.h"
#include "resources/Logging.h"
#include "resources/Strings.h"
#include "resources/Widgets.h"
#include "settings/Options.h"
#include "settings/TextBoxOptions.h"
#include "storage/DataControl.h"
#include "storage/Database.h"
#include "storage/Globals.h"
#include "app/MainLayout.h"
#include "app/VerseOfTheDay.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QShortcut>
#include <QTextDocumentFragment>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTextEdit>

#include <cmath>

namespace kivra {
namespace {
MainWindow* g_mainWindow = nullptr;

QFrame* makeFrame(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

template <typename T> T* place(T* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}
} // namespace

MainWindow* mainWindow() { return g_mainWindow; }

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    g_mainWindow = this;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Kivra! Bible 2.0"));
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    setCentralWidget(central);
    adoBible = new DataControl(this);
    adoBible->setObjectName(QStringLiteral("adoBible"));
    adoBookmark = new DataControl(this);
    adoBookmark->setObjectName(QStringLiteral("adoBookmark"));

    createContentArea(central);
    createPanels(central);
    createTitleAndCommands(central);

    stbBible = new QStatusBar(central);
    stbBible->setObjectName(QStringLiteral("stbBible"));
    stbBible->setSizeGripEnabled(false);
    stbPanel1 = new QLabel(stbBible);
    stbPanel1->setObjectName(QStringLiteral("stbPanel1"));
    stbPanel1->setMinimumWidth(250);
    stbBible->addWidget(stbPanel1);
    stbBible->setGeometry(0, 575, 900, 25);

    resize(900, 600);
    // Smaller, the resize rules no longer hold: the reading pane would run under the status bar.
    setMinimumSize(MinimumMainWindowSize());
    connectReading();
    connectSearch();
    connectBookmarks();
    connectStories();
    connectShell();
    connectExchange();
    connectReaderAids();
    setupShortcuts();
    setTabOrder();
}

// Keyboard access to the most used buttons; each button's tooltip names its key.
static const struct {
    const char* button;
    QKeySequence key;
} kShortcuts[] = {
    {"imgRetrieveBible", QKeySequence(Qt::CTRL | Qt::Key_Return)},
    {"imgPrevious", QKeySequence(Qt::ALT | Qt::Key_Left)},
    {"imgNext", QKeySequence(Qt::ALT | Qt::Key_Right)},
    {"imgAddFavourite", QKeySequence(Qt::CTRL | Qt::Key_D)},
    {"imgPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
    {"imgExportBibleVerse", QKeySequence(Qt::CTRL | Qt::Key_E)},
    {"imgSettings", QKeySequence(Qt::CTRL | Qt::Key_Comma)},
};

void MainWindow::setupShortcuts()
{
    for (const auto& s : kShortcuts) {
        auto* button = findChild<QToolButton*>(QLatin1String(s.button));
        auto* shortcut = new QShortcut(s.key, this);
        shortcut->setObjectName(QLatin1String(s.button) + QStringLiteral("Shortcut"));
        connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
    }
    addFocusShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), txtSearchString);
    // Ctrl+Return also works from the keypad's Enter.
    auto* open = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Enter), this);
    connect(open, &QShortcut::activated, imgRetrieveBible, &QToolButton::click);
}

void MainWindow::addShortcutHints()
{
    for (const auto& s : kShortcuts) {
        auto* button = findChild<QToolButton*>(QLatin1String(s.button));
        const QString key = s.key.toString(QKeySequence::NativeText);
        const QString tip = button->toolTip();
        if (!tip.contains(key))
            button->setToolTip(QStringLiteral("%1 (%2)").arg(tip, key));
    }
    if (!txtSearchString->toolTip().contains(QStringLiteral("Ctrl+F")))
        txtSearchString->setToolTip(tr("Search the whole Bible (Ctrl+F)"));
}

MainWindow::~MainWindow()
{
    if (g_mainWindow == this)
        g_mainWindow = nullptr;
}

void MainWindow::createTitleAndCommands(QWidget* c)
{
    imgTitleBar = place(new QLabel(c), "imgTitleBar", QRect(0, 0, 1280, 23));
    imgTitleBar->setScaledContents(true);
    imgTitleBar->lower();
    lblTopHeading = place(new QLabel(tr("Kivra! Bible 2.0"), c), "lblTopHeading", QRect(248, 2, 404, 19));
    lblTopHeading->setAlignment(Qt::AlignCenter);
    QFont heading = lblTopHeading->font();
    heading.setBold(true);
    lblTopHeading->setFont(heading);

    shpTitleBar = makeFrame(c, "shpTitleBar", QRect(248, 61, 633, 25));
    shpTitleBar->lower();
    lblSearchFor = place(new QLabel(tr("Search for"), c), "lblSearchFor", QRect(256, 64, 62, 19));
    txtSearchString = place(new QLineEdit(c), "txtSearchString", QRect(320, 64, 195, 19));
    lblWithinBible = place(new QLabel(tr("within Bible"), c), "lblWithinBible", QRect(520, 64, 80, 19));

    auto command = [c](QToolButton*& image, ClickLabel*& label, const char* imageName, const char* labelName,
                       const char* caption, QPoint at, QPoint labelAt, int labelWidth) {
        image = MakeImageButton(c, QLatin1String(imageName), 24);
        image->move(at);
        label = place(new ClickLabel(tr(caption), c), labelName, QRect(labelAt, QSize(labelWidth, 17)));
        label->forwardTo(image);
    };
    command(imgAddFavourite, lblAddFavourite, "imgAddFavourite", "lblAddFavourite", QT_TR_NOOP("Bookmark"), {248, 32},
            {276, 36}, 64);
    command(imgAdvancedSearch, lblAdvancedSearch, "imgAdvancedSearch", "lblAdvancedSearch",
            QT_TR_NOOP("Advanced Search"),
            {344, 32}, {372, 36}, 104);
    command(imgClearSearch, lblClearSearch, "imgClearSearch", "lblClearSearch", QT_TR_NOOP("Clear Search"), {480, 32},
            {508, 36}, 80);
    command(imgPrint, lblPrint, "imgPrint", "lblPrint", QT_TR_NOOP("Print"), {592, 32}, {620, 36}, 34);
    command(imgSettings, lblSettings, "imgSettings", "lblSettings", QT_TR_NOOP("Options"), {656, 32}, {684, 36}, 50);
    command(imgSupport, lblSupport, "imgSupport", "lblSupport", QT_TR_NOOP("Support"), {736, 32}, {764, 36}, 50);
    command(imgAbout, lblAbout, "imgAbout", "lblAbout", QT_TR_NOOP("About"), {816, 32}, {844, 36}, 40);
    command(imgWeb, lblWeb, "imgWeb", "lblWeb", QT_TR_NOOP("Pray"), {736, 64}, {768, 68}, 40);
    imgExportBibleVerse = MakeImageButton(c, QStringLiteral("imgExportBibleVerse"), 24);
    imgExportBibleVerse->move(616, 62);
    // The gap between the export button and "Pray" is narrow: the face steps down from the grid's
    // small one until the caption reads whole in it.
    chkWholeWords = place(new QCheckBox(tr("Whole words"), c), "chkWholeWords", QRect(644, 64, 90, 19));
    QFont small = chkWholeWords->font();
    small.setPointSizeF(8);
    chkWholeWords->setFont(small);
    while (chkWholeWords->sizeHint().width() > chkWholeWords->width() && small.pointSizeF() > 6) {
        small.setPointSizeF(small.pointSizeF() - 0.5);
        chkWholeWords->setFont(small);
    }
}

void MainWindow::createPanels(QWidget* c)
{
    imgVerseSelector = MakeImageButton(c, QStringLiteral("imgVerseSelector"), 50);
    imgVerseSelector->move(16, 93);
    imgBibleStory = MakeImageButton(c, QStringLiteral("imgBibleStory"), 50);
    imgBibleStory->move(72, 93);
    imgBookmark = MakeImageButton(c, QStringLiteral("imgBookmark"), 50);
    imgBookmark->move(128, 93);
    imgDonate = MakeImageButton(c, QStringLiteral("imgDonate"), 50);
    imgDonate->move(184, 93);
    lblDonate = place(new QLabel(tr("Donate"), c), "lblDonate", QRect(184, 145, 50, 16));
    lblDonate->setAlignment(Qt::AlignHCenter);

    const QRect panelRect(8, 176, 233, 393);
    picVerseSelector = place(new QWidget(c), "picVerseSelector", panelRect);
    verseSelector = new VerseRangeSelector(picVerseSelector);
    verseSelector->setGeometry(0, 0, 233, 232);
    takeSelectors(*verseSelector);
    imgPrevious = MakeImageButton(picVerseSelector, QStringLiteral("imgPrevious"), 32);
    imgPrevious->move(40, 238);
    imgRetrieveBible = MakeImageButton(picVerseSelector, QStringLiteral("imgRetrieveBible"), 32);
    imgRetrieveBible->move(100, 238);
    imgNext = MakeImageButton(picVerseSelector, QStringLiteral("imgNext"), 32);
    imgNext->move(160, 238);
    lblWordsFromGod = place(new QLabel(tr("Words from God :"), picVerseSelector), "lblWordsFromGod",
                            QRect(0, 274, 233, 16));
    txtWordsFromGod = place(new QPlainTextEdit(picVerseSelector), "txtWordsFromGod", QRect(0, 292, 233, 101));
    txtWordsFromGod->setReadOnly(true);

    picBookmark = place(new QWidget(c), "picBookmark", panelRect);
    int x = 0;
    for (auto [member, name] : {std::pair{&imgOpenBookmark, "imgOpenBookmark"}, {&imgEditBookmark, "imgEditBookmark"},
                                {&imgDeleteBookmark, "imgDeleteBookmark"}, {&imgImportBookmark, "imgImportBookmark"},
                                {&imgExportBookmark, "imgExportBookmark"},
                                {&imgExportAllBookmark, "imgExportAllBookmark"}}) {
        *member = MakeImageButton(picBookmark, QLatin1String(name), 28);
        (*member)->move(x, 0);
        x += 32;
    }
    lblBookmark = place(new QLabel(tr("Bookmark:"), picBookmark), "lblBookmark", QRect(0, 30, 233, 16));
    lstBookmark = place(new QListWidget(picBookmark), "lstBookmark", QRect(0, 46, 233, 234));
    lblBookmarkNotes = place(new QLabel(tr("Bookmark Notes :"), picBookmark), "lblBookmarkNotes",
                             QRect(0, 297, 233, 16));
    txtBookmarkNotes = place(new QPlainTextEdit(picBookmark), "txtBookmarkNotes", QRect(0, 313, 233, 80));
    picBookmark->hide();

    picBibleStorySelector = place(new QWidget(c), "picBibleStorySelector", panelRect);
    x = 0;
    for (auto [member, name] :
         {std::pair{&imgRetrieveBibleStory, "imgRetrieveBibleStory"}, {&imgCreateBibleStory, "imgCreateBibleStory"},
          {&imgEditBibleStory, "imgEditBibleStory"}, {&imgDeleteBibleStory, "imgDeleteBibleStory"},
          {&imgCopyBibleStory, "imgCopyBibleStory"}, {&imgImportBibleStory, "imgImportBibleStory"},
          {&imgExportBibleStory, "imgExportBibleStory"}, {&imgExportAllBibleStory, "imgExportAllBibleStory"}}) {
        *member = MakeImageButton(picBibleStorySelector, QLatin1String(name), 28);
        (*member)->move(x, 0);
        x += 29;
    }
    lblBibleStory = place(new QLabel(tr("Bible Story:"), picBibleStorySelector), "lblBibleStory",
                          QRect(0, 30, 233, 16));
    lstBibleStory = place(new QListWidget(picBibleStorySelector), "lstBibleStory", QRect(0, 46, 233, 347));
    picBibleStorySelector->hide();
}

void MainWindow::createContentArea(QWidget* c)
{
    shpBibleText = makeFrame(c, "shpBibleText", QRect(248, 88, 633, 393));
    txtBibleText = place(new QTextEdit(c), "txtBibleText", QRect(256, 96, 617, 377));
    txtBibleText->setReadOnly(true);
    txtBibleText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtBibleText->setFrameShape(QFrame::NoFrame);

    shpSearchResults = makeFrame(c, "shpSearchResults", QRect(248, 88, 633, 329));
    dgdSearchResults = place(new QTableView(c), "dgdSearchResults", QRect(256, 96, 617, 313));
    dgdSearchResultsText = new MatchDelegate(dgdSearchResults);
    dgdSearchResults->setModel(adoBible);
    shpSelectedVerse = makeFrame(c, "shpSelectedVerse", QRect(248, 424, 633, 57));
    txtSelectedSection = place(new QTextEdit(c), "txtSelectedSection", QRect(256, 432, 617, 41));
    txtSelectedSection->setReadOnly(true);
    txtSelectedSection->setFrameShape(QFrame::NoFrame);
    wbrWebPanel = place(new QWidget(c), "wbrWebPanel", QRect(248, 88, 633, 393));
    for (QWidget* w : {static_cast<QWidget*>(shpSearchResults), static_cast<QWidget*>(dgdSearchResults),
                       static_cast<QWidget*>(shpSelectedVerse), static_cast<QWidget*>(txtSelectedSection), wbrWebPanel})
        w->hide();

    lblNotesHeading = place(new QLabel(tr("Notes:"), c), "lblNotesHeading", QRect(248, 480, 633, 16));
    shpBibleNotes = makeFrame(c, "shpBibleNotes", QRect(248, 496, 633, 73));
    txtNotes = place(new QPlainTextEdit(c), "txtNotes", QRect(256, 504, 617, 57));
    txtNotes->setFrameShape(QFrame::NoFrame);
    lblRelatedVerse = place(new QLabel(tr("Related Bookmark:"), c), "lblRelatedVerse",
                            QRect(568, 480, 120, 16));
    cboRelatedVerse = place(new QComboBox(c), "cboRelatedVerse", QRect(688, 472, 193, 21));
    // The box keeps its narrow place above the notes; its list opens wide enough to read the entries.
    cboRelatedVerse->view()->setMinimumWidth(360);
    connect(cboRelatedVerse, &QComboBox::currentTextChanged, cboRelatedVerse, &QWidget::setToolTip);
    lblRelatedVerse->hide();
    cboRelatedVerse->hide();
}

bool MainWindow::Form_Load()
{
    WaitCursor wait;
    verseSelector->fillTestaments();
    if (!LoadOptions()) {
        ShowMessage(Message::OptionsRowMissing, this, {folders().userDatabasePath + OptionsDatabaseFile});
        return false;
    }
    SetMainWindowTooltips();
    addShortcutHints();
    txtSearchString->setText(LoadResString(Caption::SearchPrompt));
    ShowWordsFromGod(GetWordsFromGod(1));
    dgdSearchResults->hide();
    setDataGrid();
    return true;
}

void MainWindow::ShowWordsFromGod(const QString& verse)
{
    ApplyDefaultFontToTextBox(txtWordsFromGod);
    wordsFromGodFont = txtWordsFromGod->font();
    txtWordsFromGod->setPlainText(QStringLiteral("\n") + QString(verse).replace(NewLine, QStringLiteral("\n")));
    fitWordsFromGod();
}

void MainWindow::fitWordsFromGod()
{
    if (txtWordsFromGod->toPlainText().isEmpty())
        return;
    // The box keeps its document margin all round and one more pixel for the caret and below the
    // last line.
    const int margin = int(std::ceil(txtWordsFromGod->document()->documentMargin()));
    const QSize inside = txtWordsFromGod->contentsRect().size() - QSize(2 * margin + 1, 2 * margin + 1);
    txtWordsFromGod->setFont(FontToFitVerse(wordsFromGodFont, txtWordsFromGod->toPlainText(), inside, 7.0));
}

void MainWindow::RestoreLastPassage()
{
    const OptionValues& o = options();
    const PassageChoice saved{o.BookMarkTestament, o.BookMarkBook, QString::number(o.BookMarkChapter),
                              QString::number(o.BookMarkSection), QString::number(o.BookMarkToChapter),
                              QString::number(o.BookMarkToSection)};
    // A saved passage that no longer fits the lists (a damaged options row) is dropped for the
    // first book of the first testament rather than ending the program.
    if (!verseSelector->choosePassage(saved)) {
        qCWarning(lcApp).noquote() << "The saved passage does not fit the lists; showing the first book";
        cboTestament->setCurrentIndex(-1);
        cboTestament->setCurrentIndex(0);
    }
    ApplyDefaultFont(txtBibleText);
    imgRetrieveBible_Click();
    lblRelatedVerse->hide();
    cboRelatedVerse->hide();
}

void MainWindow::connectReading()
{
    connect(imgRetrieveBible, &QToolButton::clicked, this, &MainWindow::imgRetrieveBible_Click);
    connect(imgNext, &QToolButton::clicked, this, &MainWindow::ShowNextChapter);
    connect(imgPrevious, &QToolButton::clicked, this, &MainWindow::ShowPreviousChapter);
    connect(imgVerseSelector, &QToolButton::clicked, this, &MainWindow::imgVerseSelector_Click);
    txtBibleText->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtBibleText, &QWidget::customContextMenuRequested, this, &MainWindow::showPassageMenu);
    dgdSearchResults->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(dgdSearchResults, &QWidget::customContextMenuRequested, this, &MainWindow::showResultMenu);
}

void MainWindow::imgRetrieveBible_Click()
{
    ShowBibleText(true);
    ShowPassageBookmark();
}

static int numberOf(const QComboBox* combo)
{
    return combo->currentText().trimmed().toInt();
}

void MainWindow::ShowBibleText(bool setFocus)
{
    WaitCursor wait;
    ViewMode = QStringLiteral("Reader");
    PassageKey key;
    key.testamentWord = verseSelector->testamentWord();
    key.bookAbbreviation = verseSelector->bookAbbreviation();
    key.fromChapter = numberOf(cboFromChapter);
    key.fromSection = numberOf(cboFromSection);
    key.toChapter = numberOf(cboToChapter);
    key.toSection = numberOf(cboToSection);
    auto verses = QueryPassage(key);
    if (verses && verses->recordCount() > 0) {
        txtBibleText->setPlainText(RenderPassage(*verses, options(), QStringLiteral("\n"), &m_passageSpans));
        m_passageBook = cboBook->currentText();
        ApplyDefaultFont(txtBibleText);
    }
    showReadingView();
    stbPanel1->setText(PassageStatusText(cboTestament->currentText(), cboBook->currentText(),
                                         cboFromChapter->currentText(), cboFromSection->currentText(),
                                         cboToChapter->currentText(), cboToSection->currentText()));
    if (setFocus)
        txtBibleText->setFocus();
}

QString MainWindow::passageText() const { return txtBibleText->toPlainText(); }

QString MainWindow::passageSelectionReference() const
{
    const QTextCursor cursor = txtBibleText->textCursor();
    if (!cursor.hasSelection())
        return SelectionReference(m_passageSpans, m_passageBook, 0, int(passageText().size()));
    return SelectionReference(m_passageSpans, m_passageBook, cursor.selectionStart(), cursor.selectionEnd());
}

void MainWindow::CopyPassage(bool withReference)
{
    const QTextCursor cursor = txtBibleText->textCursor();
    // Without a selection the whole passage is meant.
    QString text = cursor.hasSelection() ? cursor.selection().toPlainText() : passageText();
    if (withReference)
        text = TextWithReference(text, passageSelectionReference());
    QGuiApplication::clipboard()->setText(text);
}

void MainWindow::CopySelectedResult(bool withReference)
{
    if (adoBible->currentRow() < 0)
        return;
    QString text = adoBible->currentText(QStringLiteral("Text"));
    if (withReference) {
        QString name = bookNameOf(adoBible->currentText(QStringLiteral("BookAbbreviation")));
        if (name.isEmpty())
            name = adoBible->currentText(QStringLiteral("BookAbbreviation"));
        const QString verse = adoBible->currentText(QStringLiteral("Chapter")) + QLatin1Char(':')
                            + adoBible->currentText(QStringLiteral("Sections"));
        text = TextWithReference(text, QStringLiteral("(%1 %2-%2)").arg(name, verse));
    }
    QGuiApplication::clipboard()->setText(text);
}

void MainWindow::showResultMenu(const QPoint& at)
{
    QMenu menu(this);
    menu.addAction(tr("Copy"), this, [this] { CopySelectedResult(false); });
    menu.addAction(tr("Copy with reference"), this, [this] { CopySelectedResult(true); });
    menu.addSeparator();
    menu.addAction(tr("Bookmark"), imgAddFavourite, &QToolButton::click);
    menu.addAction(tr("Print Preview..."), this, &MainWindow::PreviewBibleVerse);
    menu.exec(dgdSearchResults->viewport()->mapToGlobal(at));
}

void MainWindow::setTabOrder()
{
    // Search first, then the passage choice and its buttons, then what is read.
    const QList<QWidget*> chain = {txtSearchString, cboTestament, cboBook, cboFromChapter, cboFromSection,
                                   cboToChapter, cboToSection, imgPrevious, imgRetrieveBible, imgNext,
                                   txtBibleText, dgdSearchResults, txtSelectedSection, lstBookmark,
                                   lstBibleStory, txtNotes, cboRelatedVerse};
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::showPassageMenu(const QPoint& at)
{
    QMenu menu(this);
    menu.addAction(tr("Copy"), this, [this] { CopyPassage(false); });
    menu.addAction(tr("Copy with reference"), this, [this] { CopyPassage(true); });
    menu.addSeparator();
    menu.addAction(tr("Bookmark"), imgAddFavourite, &QToolButton::click);
    menu.addAction(tr("Print Preview..."), this, &MainWindow::PreviewBibleVerse);
    menu.exec(txtBibleText->viewport()->mapToGlobal(at));
}

void MainWindow::showReadingView()
{
    shpBibleText->show();
    txtBibleText->show();
    for (QWidget* w : {static_cast<QWidget*>(shpSearchResults), static_cast<QWidget*>(dgdSearchResults),
                       static_cast<QWidget*>(shpSelectedVerse), static_cast<QWidget*>(txtSelectedSection), wbrWebPanel})
        w->hide();
}

void MainWindow::LoadBibleTextOnDemand(const QString& testament, const QString& book, const QString& fromChapter,
                                    const QString& fromSection, const QString& toChapter, const QString& toSection)
{
    WaitCursor wait;
    ViewMode = QStringLiteral("Reader");
    chooseStoredPassage({testament, book, fromChapter, fromSection, toChapter, toSection});
    imgRetrieveBible_Click();
}

void MainWindow::chooseStoredPassage(const PassageChoice& passage)
{
    const PassageChoice shown = verseSelector->passage();
    if (verseSelector->choosePassage(passage))
        return;
    verseSelector->choosePassage(shown);
    ShowMessage(Message::PassageNotInBible, this,
                {PassageStatusText(passage.testament, passage.book, passage.fromChapter,
                                              passage.fromSection, passage.toChapter, passage.toSection)});
}

void MainWindow::ShowNextChapter()
{
    const int position = cboFromChapter->currentIndex();
    if (position < 0 || position >= cboFromChapter->count() - 1)
        return;
    cboFromChapter->setCurrentIndex(position + 1);
    cboToSection->setCurrentIndex(cboToSection->count() - 1);
    imgRetrieveBible_Click();
}

void MainWindow::ShowPreviousChapter()
{
    const int position = cboFromChapter->currentIndex();
    if (position <= 0)
        return;
    cboFromChapter->setCurrentIndex(position - 1);
    cboToSection->setCurrentIndex(cboToSection->count() - 1);
    imgRetrieveBible_Click();
}

void MainWindow::showOnlyPanel(QWidget* panel)
{
    for (QWidget* p : {picVerseSelector, picBookmark, picBibleStorySelector})
        p->setVisible(p == panel);
    panel->move(8, panel->y());
    lblRelatedVerse->hide();
    cboRelatedVerse->hide();
    wbrWebPanel->hide();
}

void MainWindow::imgVerseSelector_Click()
{
    showOnlyPanel(picVerseSelector);
    showReadingView();
}

void MainWindow::SavePassageOnClose()
{
    auto rs = GetADORecordSet(OptionsConnection(), QStringLiteral("tblOptions"), {}, {}, QStringLiteral("="));
    if (!rs || rs->eof()) {
        qCWarning(lcApp) << "No options row to keep the passage in";
        return;
    }
    rs->setValue(QStringLiteral("BookMarkTestament"), cboTestament->currentText());
    rs->setValue(QStringLiteral("BookMarkBook"), cboBook->currentText());
    rs->setValue(QStringLiteral("BookMarkChapter"), numberOf(cboFromChapter));
    rs->setValue(QStringLiteral("BookMarkSection"), numberOf(cboFromSection));
    rs->setValue(QStringLiteral("BookMarkToChapter"), numberOf(cboToChapter));
    rs->setValue(QStringLiteral("BookMarkToSection"), numberOf(cboToSection));
    rs->Update();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    SavePassageOnClose();
    // Open story editors and viewers outlive the main window: the user closes them, and the
    // program ends with the last of them. Left as children they would die with it, unsaved.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() || !child->isVisible())
            continue;
        const QRect geometry = child->geometry();
        child->setParent(nullptr, child->windowFlags());
        child->setGeometry(geometry);
        child->show();
    }
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LayoutMainWindow();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == dgdSearchResults->viewport() && event->type() == QEvent::ToolTip
        && showBookNameTip(static_cast<QHelpEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::addFocusShortcut(const QKeySequence& key, QLineEdit* box)
{
    auto* shortcut = new QShortcut(key, this);
    shortcut->setObjectName(box->objectName() + QStringLiteral("Shortcut"));
    connect(shortcut, &QShortcut::activated, box, [box] {
        box->setFocus(Qt::ShortcutFocusReason);
        box->selectAll();
    });
}

} // namespace kivra
