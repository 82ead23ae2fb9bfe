#include "content/QZFileDestination.h"

#include "platform/core/FileServices.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "platform/inet/CFtpConnection.h"
#include "platform/inet/CInternetException.h"
#include "platform/inet/CInternetFile.h"
#include "platform/inet/CInternetSession.h"

#include <memory>

namespace {
constexpr UINT kBlockSize = 1024;
} // namespace

QZFileDestination::QZFileDestination(const CString& path) : m_strPath(path) {}

QZFileDestination::QZFileDestination(const CString& path, const CString& host, const CString& user,
                                     const CString& password)
    : m_strUser(user), m_strPassword(password), m_strHost(host), m_strPath(path), m_nFtp(TRUE) {}

QZFileDestination::~QZFileDestination() {
    DisconnectFtp();
}

// A copy is the same place without the connection.
QZFileDestination::QZFileDestination(const QZFileDestination& other)
    : m_strUser(other.m_strUser), m_strPassword(other.m_strPassword), m_strHost(other.m_strHost),
      m_strPath(other.m_strPath), m_nFtp(other.m_nFtp) {}

QZFileDestination& QZFileDestination::operator=(const QZFileDestination& other) {
    if (this != &other) {
        DisconnectFtp();
        m_strUser = other.m_strUser;
        m_strPassword = other.m_strPassword;
        m_strHost = other.m_strHost;
        m_strPath = other.m_strPath;
        m_nFtp = other.m_nFtp;
    }
    return *this;
}

void QZFileDestination::ConnectFtp() {
    DisconnectFtp();
    try {
        m_pSession =
            new CInternetSession(nullptr, 1, PRE_CONFIG_INTERNET_ACCESS, nullptr, nullptr, 0);
    } catch (CInternetException* e) {
        e->Delete();
        AfxMessageBox("Cannot open internet session");
        return;
    }
    try {
        m_pConnection = m_pSession->GetFtpConnection(m_strHost, m_strUser, m_strPassword,
                                                     INTERNET_DEFAULT_FTP_PORT, FALSE);
    } catch (CInternetException* e) {
        e->Delete();
        AfxMessageBox("Cannot open ftp session");
        DisconnectFtp();
    }
}

void QZFileDestination::DisconnectFtp() {
    if (m_pConnection != nullptr) {
        m_pConnection->Close();
        delete m_pConnection;
        m_pConnection = nullptr;
    }
    if (m_pSession != nullptr) {
        m_pSession->Close();
        delete m_pSession;
        m_pSession = nullptr;
    }
}

CFile* QZFileDestination::OpenRemote(DWORD access) {
    if (m_pConnection == nullptr)
        return nullptr;
    try {
        return m_pConnection->OpenFile(m_strPath, access, FTP_TRANSFER_TYPE_BINARY, 1);
    } catch (CInternetException* e) {
        e->Delete();
        return nullptr;
    }
}

CFile* QZFileDestination::OpenForReading() {
    if (m_nFtp) {
        ConnectFtp();
        CFile* file = OpenRemote(GENERIC_READ);
        if (file == nullptr) {
            AfxMessageBox("Cannot open remote file for reading");
            DisconnectFtp();
        }
        return file;
    }
    auto file = std::make_unique<CFile>();
    if (!file->Open(MapWindowsPath(m_strPath), CFile::modeRead | CFile::typeBinary)) {
        AfxMessageBox("Cannot open local file for reading");
        return nullptr;
    }
    return file.release();
}

CFile* QZFileDestination::OpenForWriting() {
    if (m_nFtp) {
        ConnectFtp();
        MakeRemoteDirectories();
        CFile* file = OpenRemote(GENERIC_WRITE);
        if (file == nullptr) {
            AfxMessageBox("Cannot open remote file for writing");
            DisconnectFtp();
        }
        return file;
    }
    auto file = std::make_unique<CFile>();
    if (!file->Open(MapWindowsPath(m_strPath),
                    CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) {
        AfxMessageBox("Cannot open local file for writing");
        return nullptr;
    }
    return file.release();
}

void QZFileDestination::MakeRemoteDirectories() {
    if (m_pConnection == nullptr)
        return;
    // Each level is asked for; one that is there already is refused, which is no failure.
    for (int slash = m_strPath.Find('/', 1); slash > 0; slash = m_strPath.Find('/', slash + 1))
        m_pConnection->CreateDirectory(m_strPath.Left(slash));
}

BOOL QZFileDestination::Exists() {
    if (!m_nFtp)
        return PathFileExistsA(m_strPath);
    if (m_pConnection == nullptr)
        return FALSE;
    std::unique_ptr<CFile> file(OpenRemote(GENERIC_READ));
    return file != nullptr;
}

void QZFileDestination::Remove() {
    if (!m_nFtp)
        DeleteFileA(m_strPath);
    else if (m_pConnection != nullptr)
        m_pConnection->Remove(m_strPath);
}

int QZFileDestination::CopyDestinationFile(QZFileDestination& source, QZFileDestination& target) {
    std::unique_ptr<CFile> in(source.OpenForReading());
    if (in == nullptr)
        return 0;
    std::unique_ptr<CFile> out(target.OpenForWriting());
    if (out == nullptr) {
        in->Abort();
        source.DisconnectFtp();
        return 0;
    }
    char block[kBlockSize];
    BOOL copied = TRUE;
    try {
        for (UINT n = in->Read(block, kBlockSize); n > 0; n = in->Read(block, kBlockSize))
            out->Write(block, n);
    } catch (CException* e) {
        e->Delete();
        copied = FALSE;
    }
    CloseDestinationFile(in.release());
    source.DisconnectFtp();
    if (!copied) {
        out->Abort();
        out.reset();
    }
    CString error;
    if (copied && !CloseDestinationFile(out.release(), &error)) {
        copied = FALSE;
        AfxMessageBox(target.IsFtp() ? "Cannot open remote file for writing"
                                     : "Cannot open local file for writing");
    }
    target.DisconnectFtp();
    return copied ? 1 : 0;
}

BOOL CloseDestinationFile(CFile* file, CString* error) {
    std::unique_ptr<CFile> owned(file);
    if (owned == nullptr)
        return TRUE;
    try {
        owned->Close();
        return TRUE;
    } catch (CException* e) {
        char text[512];
        e->GetErrorMessage(text, sizeof text);
        e->Delete();
        if (error != nullptr)
            *error = text;
        return FALSE;
    }
}
