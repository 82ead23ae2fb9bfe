#include "content/QZComponentMover.h"

#include "content/QZEngineMessage.h"
#include "content/QZLocalFiles.h"
#include "db/CComponentsInstalledSet.h"
#include "db/CGenericRecordSet.h"
#include "db/QZApplication.h"
#include "db/QZKeyTable.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/CaughtDaoError.h"
#include "template/parser/QZVantrelMemoFld.h"

#include <cstdio>
#include <cstdlib>

IMPLEMENT_DYNAMIC(QZComponentMover, CObject)

namespace {

constexpr const char* kComponentInfoQuery = "MQ_GetComponentInfo";

// A name that stays one entry of the folder it is joined to.
BOOL IsPlainName(const CString& name) {
    return !name.IsEmpty() && name != "." && name != ".." && name.Find('/') < 0 &&
           name.Find('\\') < 0;
}

// A new empty folder in `folder` with a name starting with `prefix`; "" when none was made.
CString MakeScratchFolder(const CString& folder, const char* prefix) {
    std::string pattern = JoinPathSegment(folder, prefix).str() + "XXXXXX";
    return mkdtemp(pattern.data()) != nullptr ? CString(pattern) : CString();
}

} // namespace

QZComponentMover::QZComponentMover() {
    if (QZApplication* app = GetVantrelApp())
        m_strRootDirectory = app->GetDatabaseRoot();
}

QZComponentMover::~QZComponentMover() {
    // The recordsets and definitions go before the databases they are open on.
    m_pGenericSet.reset();
    for (int kind = 0; kind < kKindCount; kind++) {
        m_pComponentSets[kind].reset();
        m_pSiteSets[kind].reset();
        m_pTableDefs[kind].reset();
    }
    m_pSiteInstalledSet.reset();
    CloseComponentDb();
    ClosePackageDb();
}

CString QZComponentMover::GetComponentsFolder() {
    QZApplication* app = GetVantrelApp();
    CString root = app != nullptr ? app->GetDatabaseRoot() : CString();
    return JoinPathSegment(AbsoluteLocalPath(root), "Components");
}

void QZComponentMover::ReportError(const CString& text) {
    if (QZApplication* app = GetVantrelApp())
        app->PostEngineMessage(new QZEngineMessage(QZEngineMessage::kindError, text));
}

// ---- Registration ----

int QZComponentMover::OpenComponent(CDaoDatabase* siteDb, CString packageFolder,
                                    CString componentsFolder, CString fileName) {
    m_pSiteDb = siteDb;
    m_strPackageFolder = AbsoluteLocalPath(packageFolder);
    m_strPackageFileName = fileName;
    m_strComponentsFolder = AbsoluteLocalPath(componentsFolder);
    CString folderName = LastPathSegment(m_strPackageFolder);
    if (folderName.IsEmpty() || !IsPlainName(fileName)) {
        ReportError("The component database " + fileName + " in " + packageFolder +
                    " cannot be registered.");
        return 0;
    }
    m_strInstallFolder = JoinPathSegment(m_strComponentsFolder, folderName);
    m_pPackageDb = std::make_unique<CDaoDatabase>();
    m_strPackageDbPath = JoinPathSegment(m_strPackageFolder, fileName);
    m_strInstalledDbPath = JoinPathSegment(m_strInstallFolder, fileName);
    m_pSiteInstalledSet = std::make_unique<CComponentsInstalledSet>(siteDb);
    return 1;
}

int QZComponentMover::LoadComponentInfo() {
    if (m_pPackageDb == nullptr || !OpenPackageDb())
        return 0;
    if (!ReadComponentInfo()) {
        ClosePackageDb();
        return 0;
    }
    CheckInstalled();
    if ((m_bAlreadyInstalled && !IsNotOlder()) || !IsInstallFolderFree()) {
        ClosePackageDb();
        return 0;
    }
    return InstallPackageFiles();
}

int QZComponentMover::OpenPackageDb() {
    ClosePackageDb();
    if (LocalPathKind(m_strPackageDbPath) != QZPathKind::file) {
        ReportError("The component database " + m_strPackageDbPath + " cannot be read.");
        return 0;
    }
    m_pPackageDb->Open(m_strPackageDbPath, TRUE, TRUE, "");
    return 1;
}

int QZComponentMover::ReadComponentInfo() {
    CComponentsInstalledSet info(m_pPackageDb.get());
    BOOL found = FALSE;
    LONG error = CatchDaoError([&] {
        info.OpenByQuery(kComponentInfoQuery, 0);
        found = info.MoveFirstRow();
    });
    if (error != 0 || !found)
        return 0;
    m_strComponentTitle = info.m_ComponentTitle;
    m_nVersion = info.m_VersionNumber;
    m_strComponentSource = info.m_ComponentSrc;
    return 1;
}

int QZComponentMover::CheckInstalled() {
    m_bAlreadyInstalled =
        m_pSiteInstalledSet->IsInstalled(m_strComponentSource, m_strComponentTitle);
    return m_bAlreadyInstalled;
}

int QZComponentMover::IsNotOlder() {
    // IsInstalled left the set on the registered row.
    return m_pSiteInstalledSet->m_VersionNumber <= m_nVersion ? 1 : 0;
}

BOOL QZComponentMover::IsInstallFolderFree() {
    QZPathKind kind = LocalPathKind(m_strInstallFolder);
    if (kind != QZPathKind::none && kind != QZPathKind::folder) {
        ReportError("The component folder " + m_strInstallFolder + " is not a folder.");
        return FALSE;
    }
    CComponentsInstalledSet rows(m_pSiteDb);
    rows.OpenByQuery(kComponentInfoQuery, 0);
    for (BOOL more = rows.MoveFirstRow(); more; more = rows.MoveNextRow()) {
        // Source and title are compared as the table's unique index compares them.
        BOOL same = rows.m_ComponentSrc.CompareNoCase(m_strComponentSource) == 0 &&
                    rows.m_ComponentTitle.CompareNoCase(m_strComponentTitle) == 0;
        CString folder = PathBeforeLastSegment(AbsoluteLocalPath(rows.m_DatabaseLocation));
        if (!same && folder == m_strInstallFolder) {
            ReportError("The component folder " + m_strInstallFolder + " holds the component " +
                        rows.m_ComponentTitle + " of " + rows.m_ComponentSrc + ".");
            return FALSE;
        }
    }
    return TRUE;
}

int QZComponentMover::InstallPackageFiles() {
    ClosePackageDb();
    if (!MakeFolder(m_strComponentsFolder)) {
        ReportError("The Components folder " + m_strComponentsFolder + " cannot be made.");
        return 0;
    }
    // The whole package is copied aside first and swapped in only when complete.
    CString staging = MakeScratchFolder(m_strComponentsFolder, ".new-");
    if (staging.IsEmpty() || !CopyDirectory(m_strPackageFolder, staging)) {
        if (staging.IsEmpty())
            ReportError("A folder cannot be made in " + m_strComponentsFolder + ".");
        else
            RemoveFolderTree(staging);
        return 0;
    }
    CString backup;
    if (LocalPathKind(m_strInstallFolder) == QZPathKind::folder) {
        backup = MakeScratchFolder(m_strComponentsFolder, ".old-");
        if (backup.IsEmpty() || std::rename(m_strInstallFolder, backup) != 0) {
            ReportError("The component folder " + m_strInstallFolder + " cannot be replaced.");
            RemoveFolderTree(staging);
            if (!backup.IsEmpty())
                RemoveFolderTree(backup);
            return 0;
        }
    }
    auto restore = [&] {
        RemoveFolderTree(m_strInstallFolder);
        if (!backup.IsEmpty())
            std::rename(backup, m_strInstallFolder);
    };
    if (std::rename(staging, m_strInstallFolder) != 0) {
        ReportError("The component folder " + m_strInstallFolder + " cannot be replaced.");
        RemoveFolderTree(staging);
        restore();
        return 0;
    }
    int written = 0;
    try {
        written = WriteInstalledRow();
    } catch (...) {
        restore();
        throw;
    }
    if (!written) {
        restore();
        return 0;
    }
    if (!backup.IsEmpty())
        RemoveFolderTree(backup);
    return 1;
}

int QZComponentMover::WriteInstalledRow() {
    CComponentsInstalledSet& row = *m_pSiteInstalledSet;
    if (m_bAlreadyInstalled) {
        row.OpenBySourceAndTitle(m_strComponentSource, m_strComponentTitle, 1);
        row.m_VersionNumber = m_nVersion;
        row.m_DatabaseLocation = m_strInstalledDbPath;
        return row.SaveRecord(0);
    }
    if (row.AddNewRecord(0) != 1)
        return 0;
    row.m_VersionNumber = m_nVersion;
    row.m_DatabaseLocation = m_strInstalledDbPath;
    row.m_ComponentSrc = m_strComponentSource;
    row.m_ComponentTitle = m_strComponentTitle;
    return row.SaveRecord(0);
}

void QZComponentMover::ClosePackageDb() {
    if (m_pPackageDb != nullptr && m_pPackageDb->IsOpen())
        m_pPackageDb->Close();
}

BOOL QZComponentMover::CopyDirectory(const CString& source, const CString& destination) {
    std::vector<QZFolderEntry> entries;
    if (!ListFolder(source, entries)) {
        ReportError("The component folder " + source + " cannot be read.");
        return FALSE;
    }
    for (const QZFolderEntry& entry : entries) {
        CString from = JoinPathSegment(source, entry.name);
        CString to = JoinPathSegment(destination, entry.name);
        // The package may hold the Components folder itself, where its copy is being made.
        if (entry.kind == QZPathKind::folder && from != m_strComponentsFolder) {
            if (!MakeFolder(to)) {
                ReportError("The component folder " + from + " cannot be copied.");
                return FALSE;
            }
            if (!CopyDirectory(from, to))
                return FALSE;
        } else if (entry.kind == QZPathKind::file && !CopyToNewFile(from, to)) {
            ReportError("The component file " + from + " cannot be copied.");
            return FALSE;
        }
    }
    return TRUE;
}

void QZComponentMover::CloseComponentDb() {
    if (m_pComponentDb != nullptr && m_pComponentDb->IsOpen())
        m_pComponentDb->Close();
}
