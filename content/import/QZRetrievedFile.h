#pragma once
// A file of a retrieved site, written under the chosen folder by the segments of its path. The
// directories on the way are made as needed; none of them, nor the file, may be a symbolic
// link, and an existing file with other names (hard links) is not written, so nothing outside
// the folder is ever touched. The current directory is never changed.

#include "platform/core/CString.h"

#include <vector>

class QZRetrievedFile {
public:
    QZRetrievedFile() = default;
    // Closes the file (a file not closed by Close is removed: it is incomplete).
    ~QZRetrievedFile();
    QZRetrievedFile(const QZRetrievedFile&) = delete;
    QZRetrievedFile& operator=(const QZRetrievedFile&) = delete;

    // Creates (or empties) the file; throws CFileException when it cannot be made.
    void Create(const CString& folder, const std::vector<CString>& segments);
    // Throws CFileException when the bytes cannot be written.
    void Write(const char* data, size_t size);
    // Closes the complete file; throws CFileException when that fails.
    void Close();
    // Closes the file and removes it.
    void Remove();

private:
    [[noreturn]] void Fail(int error);

    CString m_path;
    CString m_name;
    int m_directory = -1;
    int m_file = -1;
};
