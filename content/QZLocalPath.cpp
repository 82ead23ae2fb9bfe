#include "content/QZLocalPath.h"

#include "platform/core/Paths.h"

CString JoinLocalPath(const CString& path, const CString& part) {
    if (path.IsEmpty())
        return part;
    if (part.IsEmpty())
        return path;
    TCHAR last = path[path.GetLength() - 1];
    if (last == '/' || last == '\\')
        return path + part;
    return path + "/" + part;
}

CString LocalFileUrl(const CString& path) {
    CString native = MapWindowsPath(path);
    // A root left empty names the file from the file system's root, as the URL always does.
    if (native.IsEmpty() || native[0] != '/')
        native.Insert(0, '/');
    return "file://" + native;
}
