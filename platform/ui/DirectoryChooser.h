#pragma once
// The desktop's folder chooser, run modally.

#include "platform/core/CString.h"

class CWnd;

// Asks for an existing directory, opening in `initialDir` when that is a directory (relative
// ones are taken from the current directory), else in the current directory, which never
// changes. TRUE with the chosen directory's full path; FALSE when the user cancelled or no
// window system runs.
BOOL ChooseDirectory(CWnd* owner, LPCTSTR title, LPCTSTR initialDir, CString& directory);
