// The set-up of a production publishing run: the service's settings, the production directory,
// the FTP connection, the transfer database, and the opening of the two databases.
#include "content/QZPublishDb.h"

#include "content/QZLocalPath.h"
#include "content/QZPublishPaths.h"
#include "content/QZService.h"
#include "db/CServicesSet.h"
#include "db/CVantrelDb.h"
#include "db/QZApplication.h"
#include "db/QZDbUpdate.h"
#include "platform/core/FileServices.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"
#include "platform/inet/CFtpConnection.h"
#include "platform/inet/CInternetException.h"
#include "platform/inet/CInternetSession.h"

namespace {

constexpr const char* kNoService =
    "No production server listed, please enter a production alias before publishing.";
constexpr const char* kNoDomainQuestion =
    "You have not entered a Domain Name for this site.\n"
    "Therefore Marquill will not be able to move the Marquill\n"
    "objects to the remote database.  Would you like to publish the\n"
    "static files (pages, images, etc.)?";

BOOL EndsWithSeparator(const CString& text) {
    if (text.IsEmpty())
        return FALSE;
    TCHAR last = text[text.GetLength() - 1];
    return last == '/' || last == '\\';
}

// The FTP document root: "/" when none is given, else the root between slashes (a backslash
// given at either end stays).
CString DocumentRoot(const CString& given) {
    if (given.IsEmpty())
        return "/";
    CString root = given;
    if (root[0] != '/' && root[0] != '\\')
        root.Insert(0, '/');
    if (!EndsWithSeparator(root))
        root += '/';
    return root;
}

} // namespace

int QZPublishDb::CheckSettings(const QZKeyCombo& serviceKey) {
    try {
        m_pService = std::make_unique<QZService>(serviceKey, FALSE);
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        LogError(kNoService);
        LogError(error.Message());
        return 0;
    }
    // A service that is not there has no settings to publish with.
    if (!m_pService->IsLoaded() || m_pService->GetRecordset() == nullptr) {
        LogError(kNoService);
        return 0;
    }
    const CServicesSet& service = *m_pService->GetRecordset();
    CString directory = service.m_Directory;
    if (LeavesPublishTree(directory)) {
        LogError(LeavesTreeText(directory));
        return 0;
    }
    m_strDevelopDir = MapWindowsPath(JoinLocalPath(service.m_DevelopPath, directory));
    if (service.m_ProductionUse_ftp == 0)
        return CheckLocalProduction(service, directory);
    return CheckRemoteProduction(service, directory);
}

int QZPublishDb::CheckLocalProduction(const CServicesSet& service, const CString& directory) {
    m_bRemote = FALSE;
    // The directory is tested and made by its path: the process's current directory stays.
    m_strProductionDir = MapWindowsPath(JoinLocalPath(service.m_ProductionPath, directory));
    if (!IsLocalDirectory(m_strProductionDir)) {
        if (AskToCreateDirectory(m_strProductionDir) != IDYES) {
            LogError("The production directory, " + m_strProductionDir + ", doesn't exist.");
            return 0;
        }
        if (!MakeLocalDirectories(m_strProductionDir)) {
            LogError("Unable to create the production directory, " + m_strProductionDir + ".");
            return 0;
        }
    }
    if (service.m_ProductionDatabasePath.IsEmpty()) {
        LogError("The production database path is empty for this service,\r\n please enter the "
                 "location of the production database.");
        return 0;
    }
    m_strProductionDbPath = MapWindowsPath(service.m_ProductionDatabasePath);
    return 1;
}

int QZPublishDb::CheckRemoteProduction(const CServicesSet& service, const CString& directory) {
    m_bRemote = TRUE;
    if (service.m_ProductionAlias.IsEmpty()) {
        if (AfxMessageBox(kNoDomainQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            LogError("Domain Name is empty, unable to publish remotely.");
            return 0;
        }
        m_bMoveObjects = FALSE;
    }
    if (!ConnectFtp(service))
        return 0;
    CString root = DocumentRoot(service.m_ftpDocRoot);
    m_strProductionDir = root + directory;
    if (!EndsWithSeparator(m_strProductionDir))
        m_strProductionDir += '/';
    if (!m_pFtp->SetCurrentDirectory(root)) {
        LogError("Unable to change to the document root directory, " + root + ".");
        CloseFtp();
        return 0;
    }
    if (!m_pFtp->SetCurrentDirectory(m_strProductionDir)) {
        if (AskToCreateDirectory(m_strProductionDir) != IDYES) {
            LogError("The production directory, " + m_strProductionDir + ", doesn't exist.");
            CloseFtp();
            return 0;
        }
        if (!MakeRemoteLevels(root, directory)) {
            LogError("Unable to create the production directory, " + m_strProductionDir + ".");
            CloseFtp();
            return 0;
        }
    }
    return m_bMoveObjects ? CreateTransferDb() : 1;
}

int QZPublishDb::ConnectFtp(const CServicesSet& service) {
    try {
        m_pSession = std::make_unique<CInternetSession>();
        m_pFtp.reset(m_pSession->GetFtpConnection(
            service.m_Production_ftp_Address, service.m_Production_ftp_User,
            static_cast<CString>(service.m_Production_ftp_Password), INTERNET_DEFAULT_FTP_PORT,
            FALSE));
        return 1;
    } catch (CInternetException* e) {
        LogError("Unable to create an Internet session: " + TakeInternetError(e));
        CloseFtp();
        return 0;
    }
}

int QZPublishDb::CreateTransferDb() {
    QZApplication* app = GetVantrelApp();
    CString root = app != nullptr ? app->GetVantrelRoot() : CString();
    CString path = MapWindowsPath(JoinLocalPath(root, TransferDbName()));
    // A transfer database left by a run that died would refuse the new one for good; one that
    // another program has open (a run going on) is left alone, and the creation fails.
    if (PathFileExistsA(path)) {
        LONG code = CatchDaoError([&] {
            CDaoDatabase leftover;
            leftover.Open(path, TRUE, FALSE);
            leftover.Close();
        });
        if (code != daoErrFileInUse && code != daoErrOpenedExclusively)
            DeleteFileA(path);
    }
    QZDbUpdate update;
    if (!update.CreateNewDatabase(path, 0, 0)) {
        LogError("Unable to create the production transfer database," + path + ".");
        return 0;
    }
    m_strProductionDbPath = path;
    m_bOwnsTransferDb = TRUE;
    return 1;
}

int QZPublishDb::OpenDatabases() {
    m_pDevelopDb = &GetVantrelApp()->GetVantrelDb();
    if (m_bMoveObjects) {
        CString path = m_strProductionDbPath;
        try {
            m_pProductionDb = std::make_unique<CVantrelDb>(path);
            if (!m_pProductionDb->OpenDatabase(0)) {
                LogPlain(CString(m_bRemote ? "Unable to open Production Transfer Database,"
                                           : "Unable to open Production Database,") +
                         path + ".");
                return 0;
            }
            if (!m_pProductionDb->IsProductionDb()) {
                LogPlain("Database," + path + ", is not a production database.");
                return 0;
            }
            LogPlain(CString(m_bRemote ? "Production Transfer Database," : "Production Database,") +
                     path + ", was opened.");
        } catch (CDaoException* e) {
            LogError("Unable to open the production database: " + CaughtDaoError(e).Message());
            return 0;
        }
    }
    try {
        CreateRecordsets(m_pDevelopDb, m_pProductionDb.get());
    } catch (CDaoException* e) {
        LogError("Unable to to create the necessary recordsets because of: " +
                 CaughtDaoError(e).Message());
        return 0;
    }
    PrepareDestinationSets();
    return 1;
}
