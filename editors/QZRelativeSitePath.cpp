#include "editors/QZRelativeSitePath.h"

#include "content/QZServiceLookups.h"

CString QZRelativeSitePath(const QZKeyCombo& serviceKey, const QZKeyCombo& sectionKey) {
    CString path = GetServiceSectionDirectory(serviceKey, sectionKey);
    while (!path.IsEmpty() && (path.Right(1) == "/" || path.Right(1) == "\\"))
        path = path.Left(path.GetLength() - 1);
    return path;
}
