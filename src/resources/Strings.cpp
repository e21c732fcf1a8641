#include "resources/Strings.h"

#include <algorithm>
#include <iterator>

namespace {

struct ResString {
    int id;
    const char* text; // UTF-8
};

// Kept sorted by id; new entries go at the end with the next free id (704, 705, ...).
// The ids 103, 128, 138, 144, 145, 147 and 201 to 204 have no text and are left out.
constexpr ResString kStrings[] = {
    {101, "The search results contain no bible text to bookmark"},
    {102, "Please select an entry to bookmark"},
    {104, " Type text to search and press Enter"},
    {105, "Open Bible"},
    {106, "Previous Chapter"},
    {107, "Next Chapter"},
    {108, "Open the selected Bible Story"},
    {109, "Create Bible Story"},
    {110, "Edit the selected Bible Story"},
    {111, "Delete the selected Bible Story"},
    {112, "Please select a bible story to open"},
    {113, "Please select a bible story to copy"},
    {114, "Please select a bible story to edit"},
    {115, "Please select a bible story to delete"},
    {116, "Bookmark the selected verse"},
    {117, "Conduct an advanced search"},
    {118, "Clear the search results"},
    {119, "Configure settings"},
    {120, "Request for technical support"},
    {121, "Say a prayer online"},
    {122, "Copy the selected Bible Story"},
    {123, "Load Verse Selector"},
    {124, "Load Bible Story Selector"},
    {125, "Load Bookmark List"},
    {126, "Make a donation for Kivra! Bible"},
    {127, "Please select a bookmark to open"},
    {129, "Please select a bookmark to edit"},
    {130, "Please select a bookmark to delete"},
    {131, "Go to the bookmarked verse"},
    {132, "Edit selected bookmark"},
    {133, "Delete the selected bookmark"},
    {134, "To input notes for the current verse, please click the \"bookmark icon\" to bookmark the verse first"},
    {135, "Please click the \"edit bookmark icon\" to modify the notes for this bookmark"},
    {136, "Import a bookmark from file"},
    {137, "Export the selected bookmark"},
    {139, "Please select a bookmark to export"},
    // Two blanks after the first full stop, as the message has always read.
    {140, "The bookmark in the specified file exists in the current bookmark list.  No import is done."},
    {141, "Export the whole bookmark list"},
    {142, "The bookmark list contains no bookmark"},
    {143, "The Bible Story list contains no Bible Story"},
    {146, "Please select a bible story to export"},
    {148, "Import a bible story from file"},
    {149, "Export the selected bible story"},
    {150, "Export the whole bible story list"},
    {151, "Print the selected verse"},
    {152, "Please select a related bookmark"},
    {153, "Back to the original bookmark"},
    {154, "No related bookmark found"},
    {301, "Select an image for the current Bible story"},
    {302, "Clear the image of the current Bible story"},
    {303, "Add the selected verse(s) to the Bible story"},
    {304, "Remove the selected verse(s) from the Bible story"},
    {305, "Move the selected verse up"},
    {306, "Move the selected verse down"},
    {307, "Save the current Bible story"},
    {308, "Cancel saving the current Bible story"},
    {309, "Please select a verse to remove"},
    {310, "Please input the name of the Bible story first"},
    {311, "Please select at least one verse for the current Bible story"},
    {401, "Close the current Bible Story"},
    {501, "Save the current bookmark"},
    {502, "Cancel saving the current bookmark"},
    {601, "Start Advanced Searching"},
    {602, "Cancel Advanced Searching"},
    // Messages of this program; callers fill %1 with QString::arg.
    {701, "Kivra! Bible cannot open the database file \"%1\". Reinstall the program or restore the file "
          "from a backup."},
    {702, "The options table in \"%1\" holds no row. Restore the file from a backup or reinstall the program."},
    {703, "The file \"%1\" is not a database of Kivra! Bible, or it is damaged."},
    {704, "Kivra! Bible cannot create its data folder \"%1\". Check that your home folder can be written."},
    {710, "The search operators in the Bible database are not ones this program knows. Reinstall the program."},
    {711, "This passage does not exist in the Bible, so it cannot be shown: %1"},
    {720, "The bookmark could not be saved. Nothing was changed; please try again."},
    {721, "The bookmark could not be deleted. Nothing was changed; please try again."},
    // Bible stories (740-759).
    {740, "The Bible story could not be saved. Nothing has been changed and the editor stays open."},
    {741, "The Bible story could not be restored. Nothing has been changed and the editor stays open."},
    {742, "The Bible story could not be copied. Nothing has been changed."},
    {743, "The Bible story could not be deleted. Nothing has been changed."},
    {744, "The selected verse(s) could not be added to the Bible story."},
    {745, "The selected verse could not be removed from the Bible story."},
    // Output, options window and main window shell (760 to 779).
    {760, "There is no default printer. Set up a printer in the system's printer settings and try again."},
    {761, "The text could not be printed: %1"},
    {762, "The file \"%1\" could not be written: %2"},
    {763, "The file \"%1\" already exists. Do you want to replace it?"},
    {764, "The web page \"%1\" could not be opened. Open it in your web browser."},
    {765, "The options could not be saved: %1"},
    {766, "Save the options"},
    {767, "Close without saving"},
    {768, "These notes are too long to be changed here; they are kept as they are."},
    {769, "Export the passage to an RTF file"},
    {779, "The web panel could not be started: %1 The rest of the program works as before."},
    // Exchange files (bookmarks and stories).
    {780, "The file \"%1\" already exists. Do you want to replace it?"},
    {781, "The file \"%1\" cannot be imported: %2 Nothing was imported."},
    {782, "The file \"%1\" cannot be written: %2"},
    {783, "The bookmark reference \"%1\" in the file is not a bookmark number. That bookmark is not imported."},
    {784, "The picture of the Bible story \"%1\" is larger than 50 MB. The story is imported without it."},
    {785, "The picture of the Bible story \"%1\" cannot be read as a picture. The story is imported without it."},
    {786, "The picture of the Bible story \"%1\" cannot be written to \"%2\": %3 The story is imported "
          "without it."},
    {787, "The import from \"%1\" failed: %2 Nothing was imported."},
    {788, "The picture folder holds a link named \"%1\" where an imported picture would be written. Links "
          "there are never followed, so nothing was imported. Remove the link and import again."},
    // Going to a typed reference.
    {790, "The reference \"%1\" cannot be shown: %2."},
};

// The lookup is a binary search: an entry appended out of order or twice must not build.
static_assert(std::adjacent_find(std::begin(kStrings), std::end(kStrings),
                                 [](const ResString& a, const ResString& b) { return a.id >= b.id; })
                  == std::end(kStrings),
              "kStrings must be sorted by id without duplicates");

const ResString* find(int id)
{
    const auto* it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                      [](const ResString& entry, int key) { return entry.id < key; });
    return (it != std::end(kStrings) && it->id == id) ? it : nullptr;
}

} // namespace

QString LoadResString(int id)
{
    const ResString* entry = find(id);
    return entry ? QString::fromUtf8(entry->text) : QString();
}
