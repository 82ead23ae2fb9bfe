#pragma once
// Where the original program's Windows paths live on this system. Nothing else spells paths
// by hand. A path is mapped once, where it enters from stored or user text (the site database's
// path setting, a stored file name, the file services that stand for the system's file calls);
// every layer below that (database files, the update run) takes native paths and maps nothing.

#include "platform/core/CString.h"

// The folder that stands for a drive root ("C:\"): $MARQUILL_ROOT when set, else the user's
// home folder; always absolute (a relative override is taken from the current directory).
CString GetDriveRootFolder();

// Turns a path of the original into a native one: backslashes become slashes and a drive
// prefix ("C:") becomes GetDriveRootFolder(). "C:\Marquill\mq.mdb" is "~/Marquill/mq.mdb".
// A leading "~" (alone or before a separator) is GetDriveRootFolder() too. A backslash is a
// separator wherever it stands, in native paths and the root as well (stored texts join their
// parts with it), so no result holds a backslash, a drive prefix or a leading "~/" and mapping a
// result again gives it back unchanged.
CString MapWindowsPath(LPCTSTR path);

// The folder of the running program's executable, without a trailing slash.
CString GetProgramDirectory();
