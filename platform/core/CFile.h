#pragma once
// Unbuffered binary files.

#include "platform/core/CFileException.h"

// A file on disk read and written through the system's descriptors. Failures throw
// CFileException with the cause and errno, except Open, which reports through its result.
// Share modes are accepted and not enforced: the system has no mandatory file sharing locks.
class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum SeekPosition : UINT { begin = 0x0, current = 0x1, end = 0x2 };
    static constexpr int hFileNull = -1;

    CFile();
    // Takes over an open descriptor, which stays open when the object goes.
    explicit CFile(int hFile);
    // Opens the file; throws CFileException when it cannot.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    // Opens the file (closing one already open); FALSE on failure, with the cause, errno and
    // name in *pError when given. A folder is refused as accessDenied; a missing file in a
    // missing folder is badPath, in an existing folder fileNotFound.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // Reads up to nCount bytes; fewer only at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    // Moves to lOff from begin, current or end; returns the new position.
    virtual LONG Seek(LONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    DWORD SeekToEnd() { return static_cast<DWORD>(Seek(0, end)); }
    virtual DWORD GetPosition() const;
    virtual DWORD GetLength() const;
    virtual void SetLength(DWORD dwNewLen);
    // Writes the file's data through to the disk.
    virtual void Flush();
    virtual void Close();
    // Closes without reporting errors; safe on a closed file.
    virtual void Abort();

    // The full path given at Open, and its last component.
    virtual CString GetFilePath() const { return m_strFileName; }
    virtual CString GetFileName() const;
    virtual void SetFilePath(LPCTSTR lpszNewName) { m_strFileName = lpszNewName; }

    // Renames a file; fails (accessDenied) when the new name exists, as the original did.
    static void Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static void Remove(LPCTSTR lpszFileName);

    int m_hFile;

protected:
    // Opens with extra open(2) flags (CStdioFile's append mode).
    BOOL OpenDescriptor(LPCTSTR lpszFileName, UINT nOpenFlags, int extraFlags,
                        CFileException* pError);
    // Throws invalidFile when no file is open.
    void CheckOpen() const;

    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};
