#pragma once
// The checks and joins of production publishing's paths: directory and file names read from
// the site's rows must stay inside the development and production trees.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

// TRUE when a directory below a tree's root would lead out of it: an absolute path (also one
// with a drive) or a ".." level. An empty directory stays.
BOOL LeavesPublishTree(const CString& directory);
// TRUE when the name is one file's name: not empty, no separator or drive colon, not "." or
// "..".
BOOL IsPlainFileName(const CString& name);
// "The directory or file name <part> leaves the site directory."
CString LeavesTreeText(const CString& part);

// Asks "Should this directory be created?" about the directory; IDYES or IDNO.
int AskToCreateDirectory(const CString& directory);

// TRUE when a directory is at the (native) path.
BOOL IsLocalDirectory(const CString& path);
// TRUE when a file, not a directory, is at the (native) path.
BOOL IsLocalFile(const CString& path);
// Makes the (native) directory with every missing level above it; TRUE when it is there.
BOOL MakeLocalDirectories(const CString& path);
// Copies a file over any file at the target; TRUE when copied.
BOOL CopyFileOver(const CString& source, const CString& target);
// The text with every backslash made a slash.
CString Slashed(const CString& text);

// The levels of a directory text, split at either separator, empty levels left out.
std::vector<CString> DirectoryLevels(const CString& directory);
