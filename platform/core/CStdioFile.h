#pragma once
// Buffered files read and written by lines.

#include "platform/core/CFile.h"

#include <cstdio>

// A file over a C stream, for text read line by line. Opened with modeWrite and without
// modeCreate, or with modeCreate | modeNoTruncate, it appends, as the original's did. Text
// mode (the default, or typeText) writes "\n" as it is and reads "\r\n" line ends as "\n".
class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile() = default;
    // Opens the file; throws CFileException when it cannot.
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // Reads the next line without its line end; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);
    // Reads at most nMax - 1 bytes of the next line, line end included; nullptr at the end.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    virtual void WriteString(LPCTSTR lpsz);

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetPosition() const override;
    DWORD GetLength() const override;
    void SetLength(DWORD dwNewLen) override;
    // Hands buffered data to the system (it does not force it to the disk).
    void Flush() override;
    void Close() override;
    void Abort() override;

    FILE* m_pStream = nullptr;

private:
    void CheckStream() const;
    [[noreturn]] void ThrowStreamError() const;

    bool m_bText = true;
};
