#include "platform/core/StringTable.h"
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
    {IDS_OTHER_COLOR, "&Other..."},
    {IDS_SEC_DRAGHINT, "Press the Ctrl key to prevent docking."},
    {IDS_SEC_ALLOWDOCKING, "Allow Docking"},
    {IDS_SEC_HIDE, "Hide"},
    {IDS_SEC_FLOATINMAIN, "Float In Main Window"},
    {IDS_IDLEMESSAGE, "Ready"},
    {IDS_CREATE_DIRECTORY, "Should this directory be created?\n\n%s"},
};

} // namespace

void RegisterStringTable() {
    for (const StringResource& entry : g_strings)
        StringTable::Register(entry.id, entry.text);
}
