#pragma once
// The file services of the system's own code that the class library does not wrap: deleting,
// moving and finding a file. Like the calls they stand for, they take paths as the system's own
// code writes them, so they are an entry point where MapWindowsPath is applied (a native path
// passes through it unchanged).

#include "platform/core/Types.h"

// MoveFileExA: replace a file that is already at the new name (in one step: a reader sees the
// old file or the new one, never neither).
constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x00000001;

// Removes the file; FALSE when it could not be removed (missing, a folder, no right).
BOOL DeleteFileA(LPCTSTR lpFileName);

// Renames a file within its file system. Without MOVEFILE_REPLACE_EXISTING it fails when a
// file is at the new name, and never overwrites one that appears meanwhile.
BOOL MoveFileExA(LPCTSTR lpExistingFileName, LPCTSTR lpNewFileName, DWORD dwFlags);

// Makes one folder (its parent must exist); FALSE when it could not be made, also when
// something is at the path already. The security attributes are not used.
BOOL CreateDirectoryA(LPCTSTR lpPathName, void* lpSecurityAttributes = nullptr);

// TRUE when a file or folder is at the path.
BOOL PathFileExistsA(LPCTSTR pszPath);
