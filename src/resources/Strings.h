#pragma once

#include <QString>

// The program's numbered texts. The numbers are their ids of old and stay as they are; new texts
// take the next free number of their range. Every text goes through Qt's translation (context
// "Strings"), so an installed translation replaces it; without one the English is returned exactly
// as written, leading blanks and two blanks after a full stop included.

// Texts of message boxes and questions; ShowMessage takes these.
enum class Message : int {
    NoBibleTextToBookmark = 101,
    SelectEntryToBookmark = 102,
    SelectStoryToOpen = 112,
    SelectStoryToCopy = 113,
    SelectStoryToEdit = 114,
    SelectStoryToDelete = 115,
    SelectBookmarkToOpen = 127,
    SelectBookmarkToEdit = 129,
    SelectBookmarkToDelete = 130,
    BookmarkVerseBeforeNotes = 134,
    EditBookmarkToChangeNotes = 135,
    SelectBookmarkToExport = 139,
    BookmarkAlreadyExists = 140,
    NoBookmarks = 142,
    NoStories = 143,
    SelectStoryToExport = 146,
    SelectVerseToRemove = 309,
    StoryNameMissing = 310,
    StoryHasNoVerse = 311,
    DatabaseMissing = 701,
    OptionsRowMissing = 702,
    NotAProgramDatabase = 703,
    DataFolderNotCreated = 704,
    UnknownSearchOperators = 710,
    PassageNotInBible = 711,
    BookmarkNotSaved = 720,
    BookmarkNotDeleted = 721,
    StoryNotSaved = 740,
    StoryNotRestored = 741,
    StoryNotCopied = 742,
    StoryNotDeleted = 743,
    VersesNotAdded = 744,
    VerseNotRemoved = 745,
    NoDefaultPrinter = 760,
    PrintFailed = 761,
    ExportFileNotWritten = 762,
    ReplaceExportFile = 763,
    WebPageNotOpened = 764,
    OptionsNotSaved = 765,
    WebPanelNotStarted = 779,
    ReplaceExchangeFile = 780,
    FileNotImportable = 781,
    ExchangeFileNotWritten = 782,
    BookmarkReferenceNotNumber = 783,
    StoryPictureTooLarge = 784,
    StoryPictureUnreadable = 785,
    StoryPictureNotWritten = 786,
    ImportFailed = 787,
    LinkInPictureFolder = 788,
    ReferenceNotShown = 790,
};

// Tooltips, the search box's prompt and entries of lists.
enum class Caption : int {
    SearchPrompt = 104,
    OpenBible = 105,
    PreviousChapter = 106,
    NextChapter = 107,
    OpenStory = 108,
    CreateStory = 109,
    EditStory = 110,
    DeleteStory = 111,
    BookmarkVerse = 116,
    AdvancedSearch = 117,
    ClearSearch = 118,
    ConfigureSettings = 119,
    TechnicalSupport = 120,
    PrayOnline = 121,
    CopyStory = 122,
    LoadVerseSelector = 123,
    LoadStorySelector = 124,
    LoadBookmarkList = 125,
    Donate = 126,
    GoToBookmarkedVerse = 131,
    EditBookmark = 132,
    DeleteBookmark = 133,
    ImportBookmark = 136,
    ExportBookmark = 137,
    ExportAllBookmarks = 141,
    ImportStory = 148,
    ExportStory = 149,
    ExportAllStories = 150,
    PrintVerse = 151,
    SelectRelatedBookmark = 152,
    BackToOriginalBookmark = 153,
    NoRelatedBookmark = 154,
    SelectStoryPicture = 301,
    ClearStoryPicture = 302,
    AddVersesToStory = 303,
    RemoveVersesFromStory = 304,
    MoveVerseUp = 305,
    MoveVerseDown = 306,
    SaveStory = 307,
    CancelStory = 308,
    CloseStory = 401,
    SaveBookmark = 501,
    CancelBookmark = 502,
    StartAdvancedSearch = 601,
    CancelAdvancedSearch = 602,
    SaveOptions = 766,
    CloseWithoutSaving = 767,
    NotesTooLongToEdit = 768,
    ExportPassageToRtf = 769,
};

QString LoadResString(Message id);
QString LoadResString(Caption id);

// The text of a numbered id, or an empty string when the table has no such id.
QString LoadResString(int id);
// Whether the table holds a text for id.
bool HasResString(int id);
