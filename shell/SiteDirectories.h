#pragma once
// The directories of sites and sections on the development disk, as the settings sheets make
// and rename them: always by absolute path (the current directory is never used), joined as
// the site paths are joined, and named in every message by the joined path.

#include "platform/core/CString.h"

// What an offer to make a directory came to.
enum class SiteDirectoryResult { existed, made, declined, failed };

// `root` and `part` joined with one separator (none added after an empty `root` or one that
// ends in a separator).
CString JoinSiteDirectory(const CString& root, const CString& part);
// TRUE when the path names a directory by an absolute path (a path that would be taken from
// the current directory is not one).
BOOL IsAbsoluteSiteDirectory(const CString& path);
// Makes `path` after "Should this directory be created?" unless it exists; with a `parent`,
// a directory that cannot be made is tried again once the parent is made. A path that is not
// absolute, or that cannot be made, gives "Unable to create Path:  %s" without a question.
SiteDirectoryResult OfferSiteDirectory(const CString& path, const CString& parent = CString());
// Renames the directory `from` to `to` (its contents move with it); FALSE when either path is
// not absolute, `to` exists already, or the rename fails.
BOOL RenameSiteDirectory(const CString& from, const CString& to);
// TRUE when the path is absolute and names an existing directory.
BOOL SiteDirectoryExists(const CString& path);
