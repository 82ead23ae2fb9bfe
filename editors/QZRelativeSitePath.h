#pragma once
// The "Relative Path" the attribute forms show: the site's and the section's directories as the
// content layer joins them, without trailing separators.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"

CString QZRelativeSitePath(const QZKeyCombo& serviceKey, const QZKeyCombo& sectionKey);
