#include "platform/core/FileServices.h"

#include "platform/core/Paths.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Native(LPCTSTR path) {
    return MapWindowsPath(path).str();
}

// Fails with EEXIST when `to` exists, whatever appears there meanwhile. File systems without
// the no-replace rename get the same guarantee from a hard link, which refuses an existing name.
bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

} // namespace

BOOL DeleteFileA(LPCTSTR lpFileName) {
    std::string path = Native(lpFileName);
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return FALSE;
    return ::unlink(path.c_str()) == 0 ? TRUE : FALSE;
}

BOOL MoveFileExA(LPCTSTR lpExistingFileName, LPCTSTR lpNewFileName, DWORD dwFlags) {
    std::string from = Native(lpExistingFileName);
    std::string to = Native(lpNewFileName);
    struct stat info {};
    if (::lstat(from.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return FALSE;
    if (dwFlags & MOVEFILE_REPLACE_EXISTING) {
        if (::lstat(to.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            return FALSE;
        return ::rename(from.c_str(), to.c_str()) == 0 ? TRUE : FALSE;
    }
    return RenameNoReplace(from, to) ? TRUE : FALSE;
}

BOOL PathFileExistsA(LPCTSTR pszPath) {
    struct stat info {};
    return ::stat(Native(pszPath).c_str(), &info) == 0 ? TRUE : FALSE;
}

BOOL CreateDirectoryA(LPCTSTR lpPathName, void*) {
    return ::mkdir(Native(lpPathName).c_str(), 0777) == 0 ? TRUE : FALSE;
}
