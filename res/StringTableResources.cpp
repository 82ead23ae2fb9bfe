#include "platform/core/StringTable.h"
#include "platform/ui/CommandIds.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <iterator>

namespace {

struct StringResource {
    UINT id;
    const char* text;
};

const StringResource g_strings[] = {
    {IDS_OLE_FAILED,
     "OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {IDS_APPLICATION, "Application"},
    {IDS_PROGRESS_CAPTION, "Please Wait:  Converting Database..."},
    {IDS_REINSTALL, "\n\nPlease re-install Marquill.  If this does not solve the problem, "
                    "\nPlease contact Zerin for assistance."},
    {IDS_VERSION_MISMATCH, " doesn't match the version expected by the program."},
    {IDS_UPDATE_QUESTION,
     "\n\nSelect \"Yes\" to update your database.  Select \"no\" to close Marquill."},
    {IDS_BAR_REGISTRY_KEY, "Zerin\\Marquill\\3.0\\Application\\Bar"},
    {IDS_SETTINGS_KEY, "Software\\Zerin\\Marquill\\3.0\\Application"},
    {IDS_INVALID_DATABASE,
     "Invalid Marquill Database:  %s\n\nPlease locate the database you wish to access"},
    {IDS_TREE_CONFIRM_DELETE, "Are you sure you want to delete %s?"},
    {IDS_TREE_ALREADY_OPEN,
     "This object is already opened.  You may perform this function from the status tab."},
    {IDS_TREE_CANNOT_EDIT, "Cannot edit %s.\n\nThe record may be locked by another user."},
    // The Site Viewer's captions, by tree.
    {IDC_SV_PAGES, "Pages\nPages"},
    {IDC_SV_MACROS, "Macros\nMacros"},
    {IDC_SV_IMAGES, "Images\nImages"},
    {IDC_SV_FORMS, "Forms\nForms"},
    {IDC_SV_MESSAGES, "Email\nEmail"},
    {IDC_SV_QUERIES, "Queries/Tables\nQueries/Tables"},
    {IDC_SV_STYLES, "Styles\nStyles"},
    {IDC_SV_MEDIA, "Media Objects\nMedia Objects"},
    {IDC_SV_EVENTS, "Scheduled Events\nScheduled Events"},
    {IDC_SV_ADVERTISING, "Advertising\nAdvertising"},
    {IDS_OTHER_COLOR, "&Other..."},
    {IDS_SEC_DRAGHINT, "Press the Ctrl key to prevent docking."},
    {IDS_SEC_ALLOWDOCKING, "Allow Docking"},
    {IDS_SEC_HIDE, "Hide"},
    {IDS_SEC_FLOATINMAIN, "Float In Main Window"},
    {IDS_IDLEMESSAGE, "Ready"},
    // The main window: the out-of-date database, and the status bar's panes.
    {IDS_DATABASE_OUT_OF_DATE, "The database you have selected is out-of-date.  Please run "
                               "database fixer at this time."},
    {ID_INDICATOR_LINECOL, "Ln 0000, Col 000"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {IDS_CREATE_DIRECTORY, "Should this directory be created?\n\n%s"},
    {IDS_STATUS_CAPTION, "Status"},
    {IDS_STATUS_DATE_FORMAT, "%#c"},
};

} // namespace

void RegisterStringTable() {
    for (const StringResource& entry : g_strings)
        StringTable::Register(entry.id, entry.text);
}
