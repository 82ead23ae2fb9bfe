#pragma once
// Paths of the local development tree, built from a root (a service's DevelopPath) and the
// directories below it as the site's rows hold them, in either the original's or this
// system's spelling.

#include "platform/core/CString.h"

// `path` and `part` joined with "/": nothing is added when either is empty or when `path`
// already ends in "/" or "\".
CString JoinLocalPath(const CString& path, const CString& part);

// "file://" and the native absolute path of `path` (mapped with MapWindowsPath).
CString LocalFileUrl(const CString& path);
