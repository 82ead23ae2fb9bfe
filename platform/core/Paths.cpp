#include "platform/core/Paths.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {
CString Absolute(const CString& path) {
    if (path.GetLength() > 0 && path[0] == '/')
        return path;
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd))
        return "/" + path;
    return CString(cwd) + "/" + path;
}
} // namespace

CString GetDriveRootFolder() {
    const char* root = std::getenv("MARQUILL_ROOT");
    if (root && *root)
        return Absolute(root);
    const char* home = std::getenv("HOME");
    if (home && *home)
        return Absolute(home);
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "/";
}

CString MapWindowsPath(LPCTSTR path) {
    CString result(path ? path : "");
    result.Replace('\\', '/');
    bool hasDrive = result.GetLength() >= 2 &&
                    std::isalpha(static_cast<unsigned char>(result[0])) && result[1] == ':';
    // "~" is the same folder a drive root stands for, so a root typed either way is one place.
    bool hasHome =
        !result.IsEmpty() && result[0] == '~' && (result.GetLength() == 1 || result[1] == '/');
    if (!hasDrive && !hasHome)
        return result;
    CString rest = result.Mid(hasDrive ? 2 : 1);
    if (!rest.IsEmpty() && rest[0] != '/')
        rest.Insert(0, '/');
    // The root's own backslashes are separators too, so no result holds one and a result maps
    // to itself.
    CString root = GetDriveRootFolder();
    root.Replace('\\', '/');
    root.TrimRight('/');
    return root + rest;
}

CString GetProgramDirectory() {
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0)
        return ".";
    CString path(buffer, static_cast<int>(length));
    int slash = path.ReverseFind('/');
    return slash > 0 ? path.Left(slash) : CString("/");
}
