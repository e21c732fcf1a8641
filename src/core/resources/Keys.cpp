#include "resources/Keys.h"

#include <QCoreApplication>

namespace kivra {

const QList<KeyBinding>& KeyTable()
{
    using K = KeyCommand;
    static const QList<KeyBinding> table = {
        {K::KeyList, nullptr, {QKeySequence(Qt::Key_F1)}, QT_TRANSLATE_NOOP("Keys", "list every key")},
        {K::GoToReference, nullptr, {QKeySequence(Qt::CTRL | Qt::Key_L)},
         QT_TRANSLATE_NOOP("Keys", "type a reference to go to (\"Ps 23\", \"John 3:16\")")},
        {K::FindText, nullptr, {QKeySequence(Qt::CTRL | Qt::Key_F)}, QT_TRANSLATE_NOOP("Keys", "type a text to search for")},
        {K::AdvancedSearch, "imgAdvancedSearch", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)},
         QT_TRANSLATE_NOOP("Keys", "advanced search")},
        {K::ClearSearch, "imgClearSearch", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X)},
         QT_TRANSLATE_NOOP("Keys", "clear the search and show the passage again")},
        {K::OpenPassage, "imgRetrieveBible",
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
         QT_TRANSLATE_NOOP("Keys", "open the passage of the selectors")},
        {K::PreviousChapter, "imgPrevious", {QKeySequence(Qt::ALT | Qt::Key_Left)},
         QT_TRANSLATE_NOOP("Keys", "previous chapter")},
        {K::NextChapter, "imgNext", {QKeySequence(Qt::ALT | Qt::Key_Right)}, QT_TRANSLATE_NOOP("Keys", "next chapter")},
        {K::BackToResults, "cmdBackToResults", {QKeySequence(Qt::CTRL | Qt::Key_B)},
         QT_TRANSLATE_NOOP("Keys", "back to the search results after opening one")},
        {K::VerseSelectorTab, "imgVerseSelector", {QKeySequence(Qt::ALT | Qt::Key_1)},
         QT_TRANSLATE_NOOP("Keys", "verse selector tab")},
        {K::StoryTab, "imgBibleStory", {QKeySequence(Qt::ALT | Qt::Key_2)}, QT_TRANSLATE_NOOP("Keys", "Bible story tab")},
        {K::BookmarkTab, "imgBookmark", {QKeySequence(Qt::ALT | Qt::Key_3)}, QT_TRANSLATE_NOOP("Keys", "bookmark tab")},
        {K::Bookmark, "imgAddFavourite", {QKeySequence(Qt::CTRL | Qt::Key_D)},
         QT_TRANSLATE_NOOP("Keys", "bookmark the passage or the selected result")},
        {K::Print, "imgPrint", {QKeySequence(Qt::CTRL | Qt::Key_P)}, QT_TRANSLATE_NOOP("Keys", "print")},
        {K::PrintPreview, nullptr, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
         QT_TRANSLATE_NOOP("Keys", "print preview")},
        {K::ExportVerses, "imgExportBibleVerse", {QKeySequence(Qt::CTRL | Qt::Key_E)},
         QT_TRANSLATE_NOOP("Keys", "export the passage to an RTF file")},
        {K::Options, "imgSettings", {QKeySequence(Qt::CTRL | Qt::Key_Comma)}, QT_TRANSLATE_NOOP("Keys", "options")},
        {K::WebPanel, "imgWeb", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W)},
         QT_TRANSLATE_NOOP("Keys", "pray: the web panel")},
        {K::WordStudy, nullptr, {QKeySequence(Qt::Key_F2)},
         QT_TRANSLATE_NOOP("Keys", "in the passage: the Strong's number and lexicon entry of the word at the cursor")},
        {K::StrongsNumbers, nullptr, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)},
         QT_TRANSLATE_NOOP("Keys", "show or hide the Strong's numbers in the passage")},
        {K::Commentary, "imgCommentary", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
         QT_TRANSLATE_NOOP("Keys", "show or hide the commentary beside the passage")},
        {K::ZoomIn, nullptr, {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         QT_TRANSLATE_NOOP("Keys", "larger reading text")},
        {K::ZoomOut, nullptr, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, QT_TRANSLATE_NOOP("Keys", "smaller reading text")},
        {K::ZoomReset, nullptr, {QKeySequence(Qt::CTRL | Qt::Key_0)},
         QT_TRANSLATE_NOOP("Keys", "reading text at its chosen size")},
        {K::ReadAloud, nullptr, {QKeySequence(Qt::CTRL | Qt::Key_R)},
         QT_TRANSLATE_NOOP("Keys", "read aloud the passage, the selected verses or the result; again: pause, resume")},
        {K::StopReading, nullptr, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)},
         QT_TRANSLATE_NOOP("Keys", "stop reading aloud")},
        {K::ReadFaster, nullptr, {QKeySequence(Qt::CTRL | Qt::Key_BracketRight)},
         QT_TRANSLATE_NOOP("Keys", "read aloud faster")},
        {K::ReadSlower, nullptr, {QKeySequence(Qt::CTRL | Qt::Key_BracketLeft)},
         QT_TRANSLATE_NOOP("Keys", "read aloud slower")},
        {K::About, "imgAbout", {QKeySequence(Qt::CTRL | Qt::Key_F1)}, QT_TRANSLATE_NOOP("Keys", "about the program")},
        {K::Quit, nullptr, {QKeySequence(Qt::CTRL | Qt::Key_Q)}, QT_TRANSLATE_NOOP("Keys", "quit")},
        {K::ViewKey, nullptr, {QKeySequence(Qt::Key_Tab), QKeySequence(Qt::SHIFT | Qt::Key_Tab)},
         QT_TRANSLATE_NOOP("Keys", "next or previous control")},
        {K::ViewKey, nullptr, {QKeySequence(Qt::Key_Return)},
         QT_TRANSLATE_NOOP("Keys", "in the search box: search; in the results: open the result in its chapter")},
        {K::ViewKey, nullptr, {QKeySequence(Qt::Key_Up), QKeySequence(Qt::Key_Down)},
         QT_TRANSLATE_NOOP("Keys", "in the results: previous or next result")},
        {K::ViewKey, nullptr, {QKeySequence(Qt::CTRL | Qt::Key_C)},
         QT_TRANSLATE_NOOP("Keys", "copy the selected text")},
        {K::ViewKey, nullptr, {QKeySequence(Qt::Key_Menu)},
         QT_TRANSLATE_NOOP("Keys", "in the passage or the results: the verse menu")},
        {K::ViewKey, nullptr, {QKeySequence(Qt::Key_Escape)}, QT_TRANSLATE_NOOP("Keys", "close a window")},
    };
    return table;
}

const KeyBinding& KeyFor(KeyCommand command)
{
    for (const KeyBinding& binding : KeyTable())
        if (binding.command == command)
            return binding;
    Q_UNREACHABLE();
}

QString KeyText(const KeyBinding& binding, QKeySequence::SequenceFormat format)
{
    QStringList keys;
    for (const QKeySequence& key : binding.keys)
        keys << key.toString(format);
    return keys.join(QStringLiteral(", "));
}

QString KeyDescription(const KeyBinding& binding)
{
    return QCoreApplication::translate("Keys", binding.description);
}

QString KeyListHelpText()
{
    QString text = QStringLiteral("Keys in the window:\n");
    for (const KeyBinding& binding : KeyTable()) {
        // One word per key so the manual page can name it: "Ctrl+Return,Ctrl+Enter".
        const QString keys = KeyText(binding, QKeySequence::PortableText).remove(u' ');
        text += QStringLiteral("  %1  %2\n").arg(keys.leftJustified(18), QLatin1String(binding.description));
    }
    return text;
}

} // namespace kivra
