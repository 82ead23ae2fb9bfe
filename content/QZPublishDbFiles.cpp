// What production publishing moves to the production site besides rows: the objects' files,
// the transfer database, and the request that the server program load it.
#include "content/QZPublishDb.h"

#include "content/QZLocalPath.h"
#include "content/QZPublishPaths.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "db/CServicesSet.h"
#include "db/QZApplication.h"
#include "platform/core/FileServices.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/inet/CFtpConnection.h"
#include "platform/inet/CHttpConnection.h"
#include "platform/inet/CHttpFile.h"
#include "platform/inet/CInternetException.h"
#include "platform/inet/CInternetSession.h"

#include <memory>

int QZPublishDb::CopyObjectFile(const QZKeyCombo& sectionKey, const CString& directory,
                                const CString& fileName) {
    CString sectionDir;
    try {
        QZSection section(sectionKey, FALSE);
        sectionDir = section.GetDirectory();
    } catch (CDaoException* e) {
        LogError("Unable to open the section information because of: " +
                 CaughtDaoError(e).Message());
        return 0;
    }
    // Names that would lead out of the two trees are neither read nor written.
    for (const CString& part : {sectionDir, directory}) {
        if (LeavesPublishTree(part)) {
            LogError(LeavesTreeText(part));
            return 0;
        }
    }
    if (!fileName.IsEmpty() && !IsPlainFileName(fileName)) {
        LogError(LeavesTreeText(fileName));
        return 0;
    }
    CString source = JoinLocalPath(
        JoinLocalPath(JoinLocalPath(m_strDevelopDir, Slashed(sectionDir)), Slashed(directory)),
        fileName);
    if (fileName.IsEmpty() || !IsLocalFile(source)) {
        LogError("The associated file, " + fileName + " does not exist.");
        return 0;
    }
    if (m_bRemote)
        return CopyToRemoteProduction(source, sectionDir, directory, fileName);
    return CopyToLocalProduction(source, sectionDir, directory, fileName);
}

int QZPublishDb::CopyToLocalProduction(const CString& source, const CString& sectionDir,
                                       const CString& objectDir, const CString& fileName) {
    CString target =
        JoinLocalPath(JoinLocalPath(m_strProductionDir, Slashed(sectionDir)), Slashed(objectDir));
    if (!IsLocalDirectory(target)) {
        if (AskToCreateDirectory(target) != IDYES) {
            LogError("The production directory, " + target + ", doesn't exist.");
            return 0;
        }
        if (!MakeLocalDirectories(target)) {
            LogError("Unable to create the production directory, " + target + ".");
            return 0;
        }
    }
    return CopyFileOver(source, JoinLocalPath(target, fileName)) ? 1 : 0;
}

int QZPublishDb::CopyToRemoteProduction(const CString& source, const CString& sectionDir,
                                        const CString& objectDir, const CString& fileName) {
    CString sectionPath = m_strProductionDir;
    if (!sectionDir.IsEmpty())
        sectionPath += sectionDir + "/";
    CString target = sectionPath + objectDir;
    if (!m_pFtp->SetCurrentDirectory(target)) {
        if (AskToCreateDirectory(target) != IDYES) {
            LogError("The production directory, " + target + ", doesn't exist.");
            return 0;
        }
        // Every missing level is made, the section's and the object's alike.
        if (!MakeRemoteLevels(m_strProductionDir, JoinLocalPath(sectionDir, objectDir))) {
            LogError("Unable to create the production directory, " + target + ".");
            return 0;
        }
    }
    if (!m_pFtp->SetCurrentDirectory(target)) {
        LogError("Unable to change to the production directory, " + target + ".");
        return 0;
    }
    return m_pFtp->PutFile(source, fileName, FTP_TRANSFER_TYPE_BINARY, 1) ? 1 : 0;
}

BOOL QZPublishDb::MakeRemoteLevels(const CString& base, const CString& levels) {
    CString path = base;
    for (const CString& level : DirectoryLevels(levels)) {
        if (!path.IsEmpty() && path[path.GetLength() - 1] != '/' &&
            path[path.GetLength() - 1] != '\\')
            path += '/';
        path += level;
        if (!m_pFtp->SetCurrentDirectory(path) && !m_pFtp->CreateDirectory(path))
            return FALSE;
    }
    return TRUE;
}

int QZPublishDb::UploadTransferDb() {
    if (!m_bRemote)
        return 1;
    // Closed, the transfer database's file is complete and free.
    DeleteRecordsets();
    CloseProductionDb();
    CString path = m_strProductionDbPath;
    if (!m_pFtp->SetCurrentDirectory(m_strProductionDir)) {
        LogError("Unable to change to the site root directory, " + m_strProductionDir +
                 ", to upload the transfer database.");
        RemoveTransferDb();
        return 0;
    }
    if (!m_pFtp->PutFile(path, TransferDbName(), FTP_TRANSFER_TYPE_BINARY, 1)) {
        LogError("Unable to copy the transfer database, " + path + ", to the FTP server.");
        RemoveTransferDb();
        return 0;
    }
    m_bOwnsTransferDb = FALSE;
    LogPlain("The transfer database, " + path + ", was copied to the " + m_strProductionDir +
             " directory on the FTP server.");
    CloseFtp();
    if (!DeleteFileA(path))
        LogError("The transfer database, " + path + ", couldn't be deleted.");
    return 1;
}

int QZPublishDb::RequestServerLoad() {
    CInternetSession session("Marquill");
    QZApplication* app = GetVantrelApp();
    CString object = (app != nullptr ? app->GetCGIAppRelPath() : CString("/CGI-BIN/")) +
                     "mq30i.exe?pubId=" + m_ServiceKey.FormatFull() + "&db=" + TransferDbName();
    std::unique_ptr<CHttpConnection> connection;
    std::unique_ptr<CHttpFile> request;
    try {
        connection.reset(session.GetHttpConnection(m_pService->GetRecordset()->m_ProductionAlias,
                                                   INTERNET_DEFAULT_HTTP_PORT, nullptr, nullptr));
        request.reset(connection->OpenRequest(
            CHttpConnection::HTTP_VERB_GET, object, nullptr, 1, nullptr, nullptr,
            INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_RELOAD));
        request->SendRequest();
        DWORD status = 0;
        request->QueryInfoStatusCode(status);
        if (status != HTTP_STATUS_OK) {
            CString line;
            line.Format("Server failed to process the transfer database because: %d",
                        static_cast<int>(status));
            LogPlain(line);
            return 0;
        }
        // The server program's answer is shown as it is, line by line.
        CString line;
        while (request->ReadString(line))
            LogPlain(line);
        return 1;
    } catch (CInternetException* e) {
        AfxMessageBox(TakeInternetError(e), MB_OK);
        return 0;
    }
}

CString QZPublishDb::TakeInternetError(CInternetException* e) {
    char text[1024] = "";
    e->GetErrorMessage(text, sizeof text);
    e->Delete();
    return text;
}
