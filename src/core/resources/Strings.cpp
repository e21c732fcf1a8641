#include "resources/Strings.h"

#include <QCoreApplication>

namespace {

// One case per enumerator: a new id without its text does not build (-Wswitch).
const char* sourceText(Message id)
{
    switch (id) {
    case Message::NoBibleTextToBookmark:
        return QT_TRANSLATE_NOOP("Strings", "The search results contain no bible text to bookmark");
    case Message::SelectEntryToBookmark:
        return QT_TRANSLATE_NOOP("Strings", "Please select an entry to bookmark");
    case Message::SelectStoryToOpen:
        return QT_TRANSLATE_NOOP("Strings", "Please select a bible story to open");
    case Message::SelectStoryToCopy:
        return QT_TRANSLATE_NOOP("Strings", "Please select a bible story to copy");
    case Message::SelectStoryToEdit:
        return QT_TRANSLATE_NOOP("Strings", "Please select a bible story to edit");
    case Message::SelectStoryToDelete:
        return QT_TRANSLATE_NOOP("Strings", "Please select a bible story to delete");
    case Message::SelectBookmarkToOpen:
        return QT_TRANSLATE_NOOP("Strings", "Please select a bookmark to open");
    case Message::SelectBookmarkToEdit:
        return QT_TRANSLATE_NOOP("Strings", "Please select a bookmark to edit");
    case Message::SelectBookmarkToDelete:
        return QT_TRANSLATE_NOOP("Strings", "Please select a bookmark to delete");
    case Message::BookmarkVerseBeforeNotes:
        return QT_TRANSLATE_NOOP("Strings", "To input notes for the current verse, please click the \"bookmark "
            "icon\" to bookmark the verse first");
    case Message::EditBookmarkToChangeNotes:
        return QT_TRANSLATE_NOOP("Strings", "Please click the \"edit bookmark icon\" to modify the notes for this "
            "bookmark");
    case Message::SelectBookmarkToExport:
        return QT_TRANSLATE_NOOP("Strings", "Please select a bookmark to export");
    case Message::BookmarkAlreadyExists:
        return QT_TRANSLATE_NOOP("Strings", "The bookmark in the specified file exists in the current bookmark "
            "list.  No import is done.");
    case Message::NoBookmarks:
        return QT_TRANSLATE_NOOP("Strings", "The bookmark list contains no bookmark");
    case Message::NoStories:
        return QT_TRANSLATE_NOOP("Strings", "The Bible Story list contains no Bible Story");
    case Message::SelectStoryToExport:
        return QT_TRANSLATE_NOOP("Strings", "Please select a bible story to export");
    case Message::SelectVerseToRemove:
        return QT_TRANSLATE_NOOP("Strings", "Please select a verse to remove");
    case Message::StoryNameMissing:
        return QT_TRANSLATE_NOOP("Strings", "Please input the name of the Bible story first");
    case Message::StoryHasNoVerse:
        return QT_TRANSLATE_NOOP("Strings", "Please select at least one verse for the current Bible story");
    case Message::DatabaseMissing:
        return QT_TRANSLATE_NOOP("Strings", "Kivra! Bible cannot open the database file \"%1\". Reinstall the "
            "program or restore the file from a backup.");
    case Message::OptionsRowMissing:
        return QT_TRANSLATE_NOOP("Strings", "The options table in \"%1\" holds no row. Restore the file from a "
            "backup or reinstall the program.");
    case Message::NotAProgramDatabase:
        return QT_TRANSLATE_NOOP("Strings", "The file \"%1\" is not a database of Kivra! Bible, or it is damaged.");
    case Message::DataFolderNotCreated:
        return QT_TRANSLATE_NOOP("Strings", "Kivra! Bible cannot create its data folder \"%1\". Check that your "
            "home folder can be written.");
    case Message::FolderInUse:
        return QT_TRANSLATE_NOOP("Strings", "Another copy of Kivra! Bible (process %2) is using the folder \"%1\". "
            "Close that copy, or wait until it has finished, and try again.");
    case Message::FolderInUseByAnother:
        return QT_TRANSLATE_NOOP("Strings", "Another program is using the folder \"%1\". Close it, or wait until "
            "it has finished, and try again.");
    case Message::FolderNotReserved:
        return QT_TRANSLATE_NOOP("Strings", "Kivra! Bible cannot reserve the folder \"%1\" for itself. Check that "
            "the folder can be written.");
    case Message::UnknownSearchOperators:
        return QT_TRANSLATE_NOOP("Strings", "The search operators in the Bible database are not ones this program "
            "knows. Reinstall the program.");
    case Message::VersesMissing:
        return QT_TRANSLATE_NOOP("Strings", "%1 has no text for %2 %3.");
    case Message::BibleNotReadable:
        return QT_TRANSLATE_NOOP("Strings", "This Bible cannot be read: %1");
    case Message::PassageNotInBible:
        return QT_TRANSLATE_NOOP("Strings", "This passage does not exist in the Bible, so it cannot be shown: %1");
    case Message::BookmarkNotSaved:
        return QT_TRANSLATE_NOOP("Strings", "The bookmark could not be saved. Nothing was changed; please try "
            "again.");
    case Message::BookmarkNotDeleted:
        return QT_TRANSLATE_NOOP("Strings", "The bookmark could not be deleted. Nothing was changed; please try "
            "again.");
    case Message::StoryNotSaved:
        return QT_TRANSLATE_NOOP("Strings", "The Bible story could not be saved. Nothing has been changed and the "
            "editor stays open.");
    case Message::StoryNotRestored:
        return QT_TRANSLATE_NOOP("Strings", "The Bible story could not be restored. Nothing has been changed and "
            "the editor stays open.");
    case Message::StoryNotCopied:
        return QT_TRANSLATE_NOOP("Strings", "The Bible story could not be copied. Nothing has been changed.");
    case Message::StoryNotDeleted:
        return QT_TRANSLATE_NOOP("Strings", "The Bible story could not be deleted. Nothing has been changed.");
    case Message::VersesNotAdded:
        return QT_TRANSLATE_NOOP("Strings", "The selected verse(s) could not be added to the Bible story.");
    case Message::VerseNotRemoved:
        return QT_TRANSLATE_NOOP("Strings", "The selected verse could not be removed from the Bible story.");
    case Message::StoryNotBackedUp:
        return QT_TRANSLATE_NOOP("Strings", "The Bible story cannot be opened for changes: the copy that Cancel "
            "would restore could not be written. Free some disk space and try again.");
    case Message::NoDefaultPrinter:
        return QT_TRANSLATE_NOOP("Strings", "There is no default printer. Set up a printer in the system's printer "
            "settings and try again.");
    case Message::PrintFailed:
        return QT_TRANSLATE_NOOP("Strings", "The text could not be printed: %1");
    case Message::ExportFileNotWritten:
        return QT_TRANSLATE_NOOP("Strings", "The file \"%1\" could not be written: %2");
    case Message::ReplaceExportFile:
        return QT_TRANSLATE_NOOP("Strings", "The file \"%1\" already exists. Do you want to replace it?");
    case Message::WebPageNotOpened:
        return QT_TRANSLATE_NOOP("Strings", "The web page \"%1\" could not be opened. Open it in your web browser.");
    case Message::OptionsNotSaved:
        return QT_TRANSLATE_NOOP("Strings", "The options could not be saved: %1");
    case Message::WebPanelNotStarted:
        return QT_TRANSLATE_NOOP("Strings", "The web panel could not be started: %1 The rest of the program works "
            "as before.");
    case Message::ReplaceExchangeFile:
        return QT_TRANSLATE_NOOP("Strings", "The file \"%1\" already exists. Do you want to replace it?");
    case Message::FileNotImportable:
        return QT_TRANSLATE_NOOP("Strings", "The file \"%1\" cannot be imported: it cannot be read, or it is not "
            "a bookmark or Bible story file saved by Kivra! Bible, or it is damaged. Nothing was imported. Choose "
            "another file, or export the file again.");
    case Message::ExchangeFileNotWritten:
        return QT_TRANSLATE_NOOP("Strings", "The file \"%1\" cannot be written: %2");
    case Message::BookmarkReferenceNotNumber:
        return QT_TRANSLATE_NOOP("Strings", "The bookmark reference \"%1\" in the file is not a bookmark number. "
            "That bookmark is not imported.");
    case Message::StoryPictureTooLarge:
        return QT_TRANSLATE_NOOP("Strings", "The picture of the Bible story \"%1\" is larger than 50 MB. The story "
            "is imported without it.");
    case Message::StoryPictureUnreadable:
        return QT_TRANSLATE_NOOP("Strings", "The picture of the Bible story \"%1\" cannot be read as a picture. "
            "The story is imported without it.");
    case Message::NoSpeechEngine:
        return QT_TRANSLATE_NOOP("Strings", "Reading aloud needs a speech engine, and none was found. Install "
            "speech-dispatcher (or another engine for Qt TextToSpeech) to have the text read aloud; the rest of "
            "the program works as before.");
    case Message::StoryPictureNotWritten:
        return QT_TRANSLATE_NOOP("Strings", "The picture of the Bible story \"%1\" cannot be written to \"%2\": %3 "
            "The story is imported without it.");
    case Message::ImportFailed:
        return QT_TRANSLATE_NOOP("Strings", "The import from \"%1\" could not be completed, so nothing was "
            "imported. Check that the disk is not full and that the program's data can be changed, then try "
            "again.");
    case Message::ImportRowsRefused:
        return QT_TRANSLATE_NOOP("Strings", "Some rows of \"%1\" name passages that are not in the Bible, so "
            "nothing of them was imported:\n%2");
    case Message::BookmarksNotImported:
        return QT_TRANSLATE_NOOP("Strings", "The other bookmarks of the file were added to your bookmark list, "
            "but not these:%1");
    case Message::StoryPicturesNotImported:
        return QT_TRANSLATE_NOOP("Strings", "The Bible stories were imported, but some without their "
            "pictures:%1");
    case Message::ReferenceNotShown:
        return QT_TRANSLATE_NOOP("Strings", "The reference \"%1\" cannot be shown: %2.");
    case Message::BookmarkHasNoLinks:
        return QT_TRANSLATE_NOOP("Strings", "The selected bookmark is linked to no other bookmark, so there is "
            "nothing to export with it. To pass it on, export the whole bookmark list.");
    }
    return "";
}

const char* sourceText(Caption id)
{
    switch (id) {
    case Caption::SearchPrompt:
        return QT_TRANSLATE_NOOP("Strings", " Type text to search and press Enter");
    case Caption::OpenBible:
        return QT_TRANSLATE_NOOP("Strings", "Open Bible");
    case Caption::PreviousChapter:
        return QT_TRANSLATE_NOOP("Strings", "Previous Chapter");
    case Caption::NextChapter:
        return QT_TRANSLATE_NOOP("Strings", "Next Chapter");
    case Caption::OpenStory:
        return QT_TRANSLATE_NOOP("Strings", "Open the selected Bible Story");
    case Caption::CreateStory:
        return QT_TRANSLATE_NOOP("Strings", "Create Bible Story");
    case Caption::EditStory:
        return QT_TRANSLATE_NOOP("Strings", "Edit the selected Bible Story");
    case Caption::DeleteStory:
        return QT_TRANSLATE_NOOP("Strings", "Delete the selected Bible Story");
    case Caption::BookmarkVerse:
        return QT_TRANSLATE_NOOP("Strings", "Bookmark the selected verse");
    case Caption::AdvancedSearch:
        return QT_TRANSLATE_NOOP("Strings", "Conduct an advanced search");
    case Caption::ClearSearch:
        return QT_TRANSLATE_NOOP("Strings", "Clear the search results");
    case Caption::ConfigureSettings:
        return QT_TRANSLATE_NOOP("Strings", "Configure settings");
    case Caption::TechnicalSupport:
        return QT_TRANSLATE_NOOP("Strings", "Request for technical support");
    case Caption::PrayOnline:
        return QT_TRANSLATE_NOOP("Strings", "Say a prayer online");
    case Caption::CopyStory:
        return QT_TRANSLATE_NOOP("Strings", "Copy the selected Bible Story");
    case Caption::LoadVerseSelector:
        return QT_TRANSLATE_NOOP("Strings", "Load Verse Selector");
    case Caption::LoadStorySelector:
        return QT_TRANSLATE_NOOP("Strings", "Load Bible Story Selector");
    case Caption::LoadBookmarkList:
        return QT_TRANSLATE_NOOP("Strings", "Load Bookmark List");
    case Caption::Donate:
        return QT_TRANSLATE_NOOP("Strings", "Make a donation for Kivra! Bible");
    case Caption::GoToBookmarkedVerse:
        return QT_TRANSLATE_NOOP("Strings", "Go to the bookmarked verse");
    case Caption::EditBookmark:
        return QT_TRANSLATE_NOOP("Strings", "Edit selected bookmark");
    case Caption::DeleteBookmark:
        return QT_TRANSLATE_NOOP("Strings", "Delete the selected bookmark");
    case Caption::ImportBookmark:
        return QT_TRANSLATE_NOOP("Strings", "Import a bookmark from file");
    case Caption::ExportBookmark:
        return QT_TRANSLATE_NOOP("Strings", "Export the selected bookmark");
    case Caption::ExportAllBookmarks:
        return QT_TRANSLATE_NOOP("Strings", "Export the whole bookmark list");
    case Caption::ImportStory:
        return QT_TRANSLATE_NOOP("Strings", "Import a bible story from file");
    case Caption::ExportStory:
        return QT_TRANSLATE_NOOP("Strings", "Export the selected bible story");
    case Caption::ExportAllStories:
        return QT_TRANSLATE_NOOP("Strings", "Export the whole bible story list");
    case Caption::PrintVerse:
        return QT_TRANSLATE_NOOP("Strings", "Print the selected verse");
    case Caption::SelectRelatedBookmark:
        return QT_TRANSLATE_NOOP("Strings", "Please select a related bookmark");
    case Caption::BackToOriginalBookmark:
        return QT_TRANSLATE_NOOP("Strings", "Back to the original bookmark");
    case Caption::NoRelatedBookmark:
        return QT_TRANSLATE_NOOP("Strings", "No related bookmark found");
    case Caption::SelectStoryPicture:
        return QT_TRANSLATE_NOOP("Strings", "Select an image for the current Bible story");
    case Caption::ClearStoryPicture:
        return QT_TRANSLATE_NOOP("Strings", "Clear the image of the current Bible story");
    case Caption::AddVersesToStory:
        return QT_TRANSLATE_NOOP("Strings", "Add the selected verse(s) to the Bible story");
    case Caption::RemoveVersesFromStory:
        return QT_TRANSLATE_NOOP("Strings", "Remove the selected verse(s) from the Bible story");
    case Caption::MoveVerseUp:
        return QT_TRANSLATE_NOOP("Strings", "Move the selected verse up");
    case Caption::MoveVerseDown:
        return QT_TRANSLATE_NOOP("Strings", "Move the selected verse down");
    case Caption::SaveStory:
        return QT_TRANSLATE_NOOP("Strings", "Save the current Bible story");
    case Caption::CancelStory:
        return QT_TRANSLATE_NOOP("Strings", "Cancel saving the current Bible story");
    case Caption::CloseStory:
        return QT_TRANSLATE_NOOP("Strings", "Close the current Bible Story");
    case Caption::SaveBookmark:
        return QT_TRANSLATE_NOOP("Strings", "Save the current bookmark");
    case Caption::CancelBookmark:
        return QT_TRANSLATE_NOOP("Strings", "Cancel saving the current bookmark");
    case Caption::StartAdvancedSearch:
        return QT_TRANSLATE_NOOP("Strings", "Start Advanced Searching");
    case Caption::CancelAdvancedSearch:
        return QT_TRANSLATE_NOOP("Strings", "Cancel Advanced Searching");
    case Caption::SaveOptions:
        return QT_TRANSLATE_NOOP("Strings", "Save the options");
    case Caption::CloseWithoutSaving:
        return QT_TRANSLATE_NOOP("Strings", "Close without saving");
    case Caption::NotesTooLongToEdit:
        return QT_TRANSLATE_NOOP("Strings", "These notes are too long to be changed here; they are kept as they "
            "are.");
    case Caption::ExportPassageToRtf:
        return QT_TRANSLATE_NOOP("Strings", "Export the passage to an RTF file");
    }
    return "";
}

} // namespace

QString LoadResString(Message id)
{
    return QCoreApplication::translate("Strings", sourceText(id));
}

QString LoadResString(Caption id)
{
    return QCoreApplication::translate("Strings", sourceText(id));
}

QString CountedText(const char* context, const char* sourceText, int n)
{
    const QString translated = QCoreApplication::translate(context, sourceText, nullptr, n);
    QString english = QString::fromUtf8(sourceText).replace(QStringLiteral("%n"), QString::number(n));
    if (translated != english)
        return translated;
    return english.replace(QStringLiteral("(s)"), n == 1 ? QString() : QStringLiteral("s"));
}
