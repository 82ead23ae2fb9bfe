#include "platform/inet/CFtpConnection.h"

#include "platform/inet/CInternetException.h"
#include "platform/inet/CInternetFile.h"
#include "platform/inet/CInternetSession.h"
#include "platform/inet/FtpControl.h"

#include <cstdio>

IMPLEMENT_DYNAMIC(CFtpConnection, CObject)

namespace {
// TRUE when the request went through; a refusal is an answer, not an error, here.
template <class Request> BOOL Succeeds(Request request) {
    try {
        request();
        return TRUE;
    } catch (CInternetException* e) {
        e->Delete();
        return FALSE;
    }
}
} // namespace

CFtpConnection::CFtpConnection(CInternetSession* pSession, LPCTSTR pstrServer, LPCTSTR pstrUserName,
                               LPCTSTR pstrPassword, INTERNET_PORT nPort)
    : m_pSession(pSession),
      m_control(std::make_shared<FtpControl>(pstrServer, nPort, pstrUserName, pstrPassword,
                                             pSession != nullptr ? pSession->GetContext() : 1)) {}

CFtpConnection::~CFtpConnection() {
    Close();
}

void CFtpConnection::LogIn() {
    m_control->LogIn();
}

CInternetFile* CFtpConnection::OpenFile(LPCTSTR pstrFileName, DWORD dwAccess, DWORD, DWORD_PTR) {
    CString path = Resolve(pstrFileName);
    if (dwAccess & GENERIC_WRITE) {
        int slash = path.ReverseFind('/');
        m_control->CheckDirectory(slash >= 0 ? path.Left(slash + 1) : CString());
        return new CInternetFile(m_control, path, std::string(), TRUE);
    }
    return new CInternetFile(m_control, path, m_control->Retrieve(path), FALSE);
}

BOOL CFtpConnection::CreateDirectory(LPCTSTR pstrDirName) {
    return Succeeds(
        [&] { m_control->Command("MKD " + m_control->Absolute(Resolve(pstrDirName))); });
}

BOOL CFtpConnection::SetCurrentDirectory(LPCTSTR pstrDirName) {
    CString directory = Resolve(pstrDirName);
    if (!Succeeds([&] { m_control->CheckDirectory(directory); }))
        return FALSE;
    m_current = directory;
    return TRUE;
}

BOOL CFtpConnection::PutFile(LPCTSTR pstrLocalFile, LPCTSTR pstrRemoteFile, DWORD, DWORD_PTR) {
    std::FILE* source = std::fopen(pstrLocalFile, "rb");
    if (source == nullptr)
        return FALSE;
    BOOL sent = Succeeds([&] { m_control->Store(Resolve(pstrRemoteFile), source); });
    std::fclose(source);
    return sent;
}

BOOL CFtpConnection::Remove(LPCTSTR pstrFileName) {
    return Succeeds(
        [&] { m_control->Command("DELE " + m_control->Absolute(Resolve(pstrFileName))); });
}

CString CFtpConnection::Resolve(LPCTSTR pstrName) const {
    CString name = pstrName != nullptr ? pstrName : "";
    if (m_current.IsEmpty() || (!name.IsEmpty() && (name[0] == '/' || name[0] == '\\')))
        return name;
    CString base = m_current;
    TCHAR last = base[base.GetLength() - 1];
    if (last != '/' && last != '\\')
        base += '/';
    return base + name;
}

void CFtpConnection::Close() {
    if (m_control != nullptr)
        m_control->Close();
}

CString CFtpConnection::GetServerName() const {
    return m_control->GetServer();
}
