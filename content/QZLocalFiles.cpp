#include "content/QZLocalFiles.h"

#include "content/import/QZImportPaths.h"
#include "platform/core/Paths.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kChunk = 64 * 1024;

// A descriptor closed when it goes.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// A regular file opened for reading without following a link; -1 when it cannot be.
int OpenRegularFile(const CString& path, struct stat& status) {
    int fd = open(path, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        return -1;
    }
    return fd;
}

BOOL WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return FALSE;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return TRUE;
}

// Reads what is left of the file into `content`; FALSE on a read error.
BOOL ReadRest(int fd, std::string& content) {
    char buffer[kChunk];
    for (;;) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return FALSE;
        if (got == 0)
            return TRUE;
        content.append(buffer, static_cast<size_t>(got));
    }
}

} // namespace

CString AbsoluteLocalPath(const CString& path) {
    CString mapped = MapWindowsPath(path);
    if (mapped.IsEmpty() || mapped[0] != '/') {
        std::error_code error;
        std::filesystem::path current = std::filesystem::current_path(error);
        mapped = CString(current.string()) + "/" + mapped;
    }
    return NormaliseLocalPath(mapped);
}

BOOL IsInsideFolder(const CString& folder, const CString& path) {
    if (path == folder)
        return TRUE;
    CString prefix = folder == "/" ? folder : folder + "/";
    return path.GetLength() > prefix.GetLength() && path.Left(prefix.GetLength()) == prefix;
}

CString LastPathSegment(const CString& path) {
    return path.Mid(path.ReverseFind('/') + 1);
}

CString PathBeforeLastSegment(const CString& path) {
    int slash = path.ReverseFind('/');
    return slash <= 0 ? CString(slash == 0 ? "/" : "") : path.Left(slash);
}

CString JoinPathSegment(const CString& folder, const CString& name) {
    return folder.Right(1) == "/" ? folder + name : folder + "/" + name;
}

QZPathKind LocalPathKind(const CString& path) {
    struct stat status;
    if (lstat(path, &status) != 0)
        return QZPathKind::none;
    if (S_ISREG(status.st_mode))
        return QZPathKind::file;
    return S_ISDIR(status.st_mode) ? QZPathKind::folder : QZPathKind::other;
}

BOOL ListFolder(const CString& folder, std::vector<QZFolderEntry>& entries) {
    entries.clear();
    int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return FALSE;
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        close(fd);
        return FALSE;
    }
    while (dirent* entry = readdir(dir)) {
        CString name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat status;
        QZPathKind kind = QZPathKind::other;
        if (fstatat(dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0) {
            if (S_ISREG(status.st_mode))
                kind = QZPathKind::file;
            else if (S_ISDIR(status.st_mode))
                kind = QZPathKind::folder;
        }
        entries.push_back({name, kind});
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const QZFolderEntry& a, const QZFolderEntry& b) {
        return a.name.str() < b.name.str();
    });
    return TRUE;
}

BOOL ReadLocalFile(const CString& path, std::string& content) {
    content.clear();
    struct stat status;
    FileDescriptor fd(OpenRegularFile(path, status));
    if (fd.get() < 0)
        return FALSE;
    return ReadRest(fd.get(), content);
}

BOOL LocalFileLength(const CString& path, LONG& length) {
    struct stat status;
    FileDescriptor fd(OpenRegularFile(path, status));
    if (fd.get() < 0)
        return FALSE;
    length = static_cast<LONG>(status.st_size);
    return TRUE;
}

BOOL CopyToNewFile(const CString& from, const CString& to) {
    struct stat status;
    FileDescriptor in(OpenRegularFile(from, status));
    if (in.get() < 0)
        return FALSE;
    FileDescriptor out(
        open(to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, status.st_mode & 0777));
    if (out.get() < 0)
        return FALSE;
    char buffer[kChunk];
    for (;;) {
        ssize_t got = read(in.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got == 0)
            return TRUE;
        if (got < 0 || !WriteAll(out.get(), buffer, static_cast<size_t>(got))) {
            unlink(to);
            return FALSE;
        }
    }
}

BOOL SameFileContent(const CString& first, const CString& second) {
    std::string a;
    std::string b;
    return ReadLocalFile(first, a) && ReadLocalFile(second, b) && a == b;
}

BOOL MakeFolder(const CString& path) {
    if (mkdir(path, 0777) == 0)
        return TRUE;
    return errno == EEXIST && LocalPathKind(path) == QZPathKind::folder;
}

void RemoveFolderTree(const CString& path) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(path.str()), ignored);
}
