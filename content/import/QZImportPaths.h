#pragma once
// Paths and addresses of imported sites: local paths in the one form that the import's name
// table holds, the path part of URLs, and the local file name a retrieved URL may be written
// under.

#include "platform/core/CString.h"

#include <vector>

// The path made absolute-looking and lexically normal: "/" separators, no empty, "." or ".."
// segments ("/.." stays at the root), no trailing separator.
CString NormaliseLocalPath(const CString& path);

// A URL path with its "." and ".." segments removed as a relative reference's are; other
// segments, empty ones included, stay. A ".." above the top is dropped.
CString RemoveDotSegments(const CString& path);

// The text with every "%xx" (two hex digits) replaced by the byte it stands for.
CString PercentDecode(const CString& text);

// The segments of a relative URL path decoded, each one a safe local name: not empty, not "."
// or "..", and without NUL, "\", ":" or an escaped "/". FALSE, with `segments` undefined,
// when one is not.
BOOL SafeLocalSegments(const CString& relativePath, std::vector<CString>& segments);
