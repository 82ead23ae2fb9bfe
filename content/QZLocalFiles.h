#pragma once
// The file services of the long runs that walk and copy folder trees (component installation,
// site import). They take absolute native paths and never change the process's current
// directory; a symbolic link is never followed: it is listed as neither file nor folder, and a
// file reached through one is not opened.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <string>
#include <vector>

// What is at a path, a symbolic link not followed.
enum class QZPathKind { none, file, folder, other };

// One entry of a folder: a regular file, a folder, or anything else (links included).
struct QZFolderEntry {
    CString name;
    QZPathKind kind;
};

// The path as the runs hold it: mapped from the original's spelling, made absolute from the
// current directory, and lexically normal ("/" separators; no empty, "." or ".." segments; no
// trailing separator).
CString AbsoluteLocalPath(const CString& path);

// TRUE when `path` is `folder` or lies below it; both absolute and lexically normal.
BOOL IsInsideFolder(const CString& folder, const CString& path);

// The last segment of a lexically normal path ("" for "/"), and the path before it.
CString LastPathSegment(const CString& path);
CString PathBeforeLastSegment(const CString& path);

// The path joined with one more segment.
CString JoinPathSegment(const CString& folder, const CString& name);

QZPathKind LocalPathKind(const CString& path);

// The entries of a folder sorted by name, "." and ".." left out; FALSE when it cannot be read.
BOOL ListFolder(const CString& folder, std::vector<QZFolderEntry>& entries);

// The whole content of a regular file; FALSE when it cannot be read.
BOOL ReadLocalFile(const CString& path, std::string& content);

// The length of a regular file that can be opened for reading; FALSE when it cannot.
BOOL LocalFileLength(const CString& path, LONG& length);

// Copies a regular file to a new file; FALSE when the source cannot be read, something is at
// the target already or the target cannot be written completely (a partial file is removed).
BOOL CopyToNewFile(const CString& from, const CString& to);

// TRUE when both are regular files with the same content.
BOOL SameFileContent(const CString& first, const CString& second);

// Makes one folder; TRUE when it was made or a folder (not a link) is there already.
BOOL MakeFolder(const CString& path);

// Removes the folder and everything in it (links themselves, never what they point at).
void RemoveFolderTree(const CString& path);
