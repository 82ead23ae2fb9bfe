#include "content/import/QZRetrievedFile.h"

#include "platform/core/CFileException.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QZRetrievedFile::~QZRetrievedFile() {
    Remove();
}

void QZRetrievedFile::Create(const CString& folder, const std::vector<CString>& segments) {
    m_path = folder;
    m_directory = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_directory < 0)
        Fail(errno);
    for (size_t i = 0; i + 1 < segments.size(); i++) {
        m_path += "/" + segments[i];
        if (mkdirat(m_directory, segments[i], 0755) != 0 && errno != EEXIST)
            Fail(errno);
        // O_NOFOLLOW: a symbolic link on the way is refused, never followed.
        int next =
            openat(m_directory, segments[i], O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0)
            Fail(errno);
        close(m_directory);
        m_directory = next;
    }
    m_name = segments.back();
    m_path += "/" + m_name;
    m_file = openat(m_directory, m_name, O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (m_file < 0)
        Fail(errno);
    struct stat status;
    if (fstat(m_file, &status) != 0)
        Fail(errno);
    if (!S_ISREG(status.st_mode) || status.st_nlink > 1) {
        // Another name of the same file may lie outside the folder.
        close(m_file);
        m_file = -1;
        Fail(EEXIST);
    }
    if (ftruncate(m_file, 0) != 0)
        Fail(errno);
}

void QZRetrievedFile::Write(const char* data, size_t size) {
    while (size > 0) {
        ssize_t written = write(m_file, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
}

void QZRetrievedFile::Close() {
    int file = m_file;
    m_file = -1;
    if (file >= 0 && close(file) != 0) {
        int error = errno;
        unlinkat(m_directory, m_name, 0);
        Fail(error);
    }
    if (m_directory >= 0)
        close(m_directory);
    m_directory = -1;
}

void QZRetrievedFile::Remove() {
    if (m_file >= 0) {
        close(m_file);
        m_file = -1;
        unlinkat(m_directory, m_name, 0);
    }
    if (m_directory >= 0)
        close(m_directory);
    m_directory = -1;
}

void QZRetrievedFile::Fail(int error) {
    Remove();
    CFileException::ThrowErrno(error, m_path);
}
