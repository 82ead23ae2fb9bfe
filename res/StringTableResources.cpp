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
    {IDS_PROGRESS_CAPTION, "Please Wait:  Converting Database..."},
    {IDS_SETTINGS_KEY, "Software\\Zerin\\Marquill\\3.0\\Application"},
    {IDS_INVALID_DATABASE,
     "Invalid Marquill Database:  %s\n\nPlease locate the database you wish to access"},
    {IDS_OTHER_COLOR, "&Other..."},
    {IDS_SEC_DRAGHINT, "Press the Ctrl key to prevent docking."},
    {IDS_SEC_ALLOWDOCKING, "Allow Docking"},
    {IDS_SEC_HIDE, "Hide"},
    {IDS_SEC_FLOATINMAIN, "Float In Main Window"},
    {IDS_IDLEMESSAGE, "Ready"},
};

} // namespace

void RegisterStringTable() {
    for (const StringResource& entry : g_strings)
        StringTable::Register(entry.id, entry.text);
}
