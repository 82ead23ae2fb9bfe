#pragma once
// Where the original program's Windows paths live on this system. Nothing else spells paths
// by hand: every path that comes from the system's own texts goes through MapWindowsPath.

#include "platform/core/CString.h"

// The folder that stands for a drive root ("C:\"): $MARQUILL_ROOT when set, else the user's
// home folder.
CString GetDriveRootFolder();

// Turns a path of the original into a native one: backslashes become slashes and a drive
// prefix ("C:") becomes GetDriveRootFolder(). "C:\Marquill\mq.mdb" is "~/Marquill/mq.mdb".
// A leading "~" (alone or before a separator) is GetDriveRootFolder() too. Other native paths
// pass through unchanged.
CString MapWindowsPath(LPCTSTR path);

// The folder of the running program's executable, without a trailing slash.
CString GetProgramDirectory();
