#pragma once
// A remote file opened on an FTP connection. A file opened for reading holds the whole file,
// fetched when it was opened; one opened for writing collects what is written and sends it
// when it is closed, so a failed transfer is reported by Close. Other transfers (HTTP) derive
// from it and bring their own reading.

#include "platform/core/CFile.h"

#include <memory>
#include <string>

class FtpControl;

class CInternetFile : public CFile {
    DECLARE_DYNAMIC(CInternetFile)
public:
    CInternetFile(std::shared_ptr<FtpControl> control, const CString& path, std::string content,
                  BOOL bWrite);
    // A file for writing that was not closed is sent now; a failure is not reported.
    ~CInternetFile() override;

    // Reads the next line without its line end ("\n" or "\r\n"); FALSE when nothing is left.
    virtual BOOL ReadString(CString& rString);

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetPosition() const override;
    DWORD GetLength() const override;
    void SetLength(DWORD dwNewLen) override;
    void Flush() override;
    // Sends a file opened for writing; throws CInternetException when the transfer fails.
    void Close() override;
    // Closes without sending anything.
    void Abort() override;

protected:
    // A file for reading whose subclass supplies the bytes.
    explicit CInternetFile(const CString& name);

private:
    void CheckOpen() const;
    // Ends the file: sends one opened for writing.
    void Finish();

    std::shared_ptr<FtpControl> m_control;
    std::string m_content;
    size_t m_position = 0;
    BOOL m_bWrite;
    BOOL m_bOpen = TRUE;
};
