#pragma once
// The "..." buttons of the settings pages: a database file or a folder chosen into a field.

#include "platform/core/CString.h"

class CWnd;

// The open-file dialog for a database ("mdb", existing files only) on the field's text; TRUE
// with the field set to the chosen path, FALSE on Cancel (the field unchanged).
BOOL BrowseDatabaseFile(CWnd* parent, CString& field);
// The program's folder chooser; TRUE with the field set to the chosen folder.
BOOL BrowseFolder(CWnd* parent, CString& field);
