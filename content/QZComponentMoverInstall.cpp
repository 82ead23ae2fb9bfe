// Insertion of a registered component: the checks that come before any file is copied, the
// copies of its files and database, and the order of the database steps.
#include "content/QZComponentMover.h"

#include "content/QZLocalFiles.h"
#include "db/CComponentsInstalledSet.h"
#include "db/CServicesSet.h"
#include "db/QZKeyTable.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/DaoConstants.h"
#include "template/parser/QZVantrelMemoFld.h"

#include <filesystem>

namespace {

constexpr int kRemapped = 8;
constexpr int kStripped = 6;
// The files the database engine keeps beside a database file, after its name.
const char* const kEngineFileSuffixes[] = {"", ".lock", "-journal", "-wal", "-shm"};

// What is at a path the user chose, a link followed.
QZPathKind FollowedPathKind(const CString& path) {
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(path.str(), error);
    if (error || !std::filesystem::exists(status))
        return QZPathKind::none;
    if (std::filesystem::is_regular_file(status))
        return QZPathKind::file;
    return std::filesystem::is_directory(status) ? QZPathKind::folder : QZPathKind::other;
}

} // namespace

BOOL QZComponentMover::IsDatabaseFile(const CString& name) const {
    for (const char* suffix : kEngineFileSuffixes)
        if (name == m_strComponentFileName + suffix)
            return TRUE;
    return FALSE;
}

int QZComponentMover::InstallComponent(CDaoDatabase* siteDb, QZKeyCombo serviceKey, CString entry,
                                       CString targetDirectory) {
    m_pSiteDb = siteDb;
    ParseComponentEntry(entry);
    m_strTargetDirectory = targetDirectory;
    m_plannedCopies.clear();
    if (!GetServiceDirectory(serviceKey) || !FindInstalledComponent() ||
        !PrepareTargetDirectory() ||
        !PlanComponentFiles(PathBeforeLastSegment(m_strComponentLocation), m_strServiceDirectory,
                            TRUE))
        return installNothing;
    if (!CDaoDatabase::CopyDatabaseFile(m_strComponentLocation, m_strInstalledCopyPath, TRUE)) {
        ReportError("The component database cannot be copied to " + m_strInstalledCopyPath + ".");
        return installNothing;
    }
    CopyComponentFiles();
    OpenForInstall();
    MoveObjects(serviceKey);
    RelinkSections();
    RelinkAdSpaces();
    TranslateTexts();
    int remapped = RemapKeyColumns();
    if (remapped != kRemapped)
        return remapped;
    int removed = RemoveSiteObjects(m_pComponentDb.get());
    CloseComponentDb();
    return removed == kStripped ? installDone : removed;
}

void QZComponentMover::ParseComponentEntry(const CString& entry) {
    int first = entry.Find('\t');
    if (first < 0) {
        m_strComponentSource.Empty();
        m_strComponentTitle.Empty();
        return;
    }
    m_strComponentSource = entry.Left(first);
    int second = entry.Find('\t', first + 1);
    m_strComponentTitle =
        second < 0 ? entry.Mid(first + 1) : entry.Mid(first + 1, second - first - 1);
}

BOOL QZComponentMover::GetServiceDirectory(const QZKeyCombo& serviceKey) {
    CServicesSet service(m_pSiteDb);
    if (service.OpenByKey(serviceKey, CServicesSet::GetKeyQueryName(), 0) !=
        QZRecordset::openFound) {
        ReportError("The service " + serviceKey.FormatFull() + " cannot be loaded.");
        return FALSE;
    }
    if (service.m_DevelopPath.IsEmpty()) {
        ReportError("The service " + serviceKey.FormatFull() + " has no development directory.");
        return FALSE;
    }
    CString develop = AbsoluteLocalPath(service.m_DevelopPath);
    m_strServiceDirectory = develop;
    if (!service.m_Directory.IsEmpty())
        m_strServiceDirectory = AbsoluteLocalPath(develop + "/" + service.m_Directory);
    if (!IsInsideFolder(develop, m_strServiceDirectory)) {
        ReportError("The directory " + service.m_Directory + " leaves the development directory " +
                    develop + ".");
        return FALSE;
    }
    return TRUE;
}

BOOL QZComponentMover::FindInstalledComponent() {
    if (m_pSiteInstalledSet == nullptr)
        m_pSiteInstalledSet = std::make_unique<CComponentsInstalledSet>(m_pSiteDb);
    CComponentsInstalledSet& row = *m_pSiteInstalledSet;
    row.OpenBySourceAndTitle(m_strComponentSource, m_strComponentTitle, 0);
    if (!row.MoveFirstRow()) {
        ReportError("The component " + m_strComponentTitle + " of " + m_strComponentSource +
                    " is not registered.");
        return FALSE;
    }
    CString components = GetComponentsFolder();
    m_strComponentLocation = AbsoluteLocalPath(row.m_DatabaseLocation);
    m_strComponentFileName = LastPathSegment(m_strComponentLocation);
    if (!IsInsideFolder(components, PathBeforeLastSegment(m_strComponentLocation)) ||
        LocalPathKind(m_strComponentLocation) != QZPathKind::file) {
        ReportError("The component database " + row.m_DatabaseLocation +
                    " is not a file of the Components folder " + components + ".");
        return FALSE;
    }
    return TRUE;
}

BOOL QZComponentMover::PrepareTargetDirectory() {
    CString target = AbsoluteLocalPath(m_strTargetDirectory);
    // A file chosen in the file dialog stands for its folder.
    if (FollowedPathKind(target) == QZPathKind::file)
        target = PathBeforeLastSegment(target);
    if (FollowedPathKind(target) != QZPathKind::folder) {
        ReportError("The target directory " + target + " does not exist.");
        return FALSE;
    }
    m_strTargetDirectory = target;
    m_strInstalledCopyPath = JoinPathSegment(target, m_strComponentFileName);
    if (LocalPathKind(m_strInstalledCopyPath) != QZPathKind::none) {
        ReportError("The component database " + m_strInstalledCopyPath + " exists already.");
        return FALSE;
    }
    return TRUE;
}

BOOL QZComponentMover::PlanComponentFiles(const CString& source, const CString& destination,
                                          BOOL top) {
    if (top) {
        // The service directory itself may be reached through a link the site set up.
        QZPathKind kind = FollowedPathKind(destination);
        if (kind == QZPathKind::none) {
            if (FollowedPathKind(PathBeforeLastSegment(destination)) != QZPathKind::folder) {
                ReportError("The development directory " + PathBeforeLastSegment(destination) +
                            " does not exist.");
                return FALSE;
            }
            m_plannedCopies.push_back({TRUE, source, destination});
        } else if (kind != QZPathKind::folder) {
            ReportError("The component files would replace the site file " + destination + ".");
            return FALSE;
        }
    }
    std::vector<QZFolderEntry> entries;
    if (!ListFolder(source, entries)) {
        ReportError("The component folder " + source + " cannot be read.");
        return FALSE;
    }
    BOOL free = TRUE;
    for (const QZFolderEntry& entry : entries) {
        CString from = JoinPathSegment(source, entry.name);
        CString to = JoinPathSegment(destination, entry.name);
        // The component database (and what the engine keeps beside it) is no site file.
        if (entry.kind == QZPathKind::other || (top && IsDatabaseFile(entry.name)))
            continue;
        QZPathKind there = LocalPathKind(to);
        BOOL isFolder = entry.kind == QZPathKind::folder;
        if (there == QZPathKind::none) {
            m_plannedCopies.push_back({isFolder, from, to});
        } else if (isFolder ? there != QZPathKind::folder
                            : there != QZPathKind::file || !SameFileContent(from, to)) {
            ReportError("The component file " + from + " would replace the site file " + to + ".");
            free = FALSE;
            continue;
        }
        if (isFolder && !PlanComponentFiles(from, to, FALSE))
            free = FALSE;
    }
    return free;
}

void QZComponentMover::CopyComponentFiles() {
    for (const PlannedCopy& copy : m_plannedCopies) {
        BOOL copied = copy.folder ? MakeFolder(copy.to) : CopyToNewFile(copy.from, copy.to);
        if (!copied)
            ReportError("The component file " + copy.from + " cannot be copied to " + copy.to +
                        ".");
    }
}

void QZComponentMover::OpenForInstall() {
    if (m_pSiteInstalledSet == nullptr)
        m_pSiteInstalledSet = std::make_unique<CComponentsInstalledSet>(m_pSiteDb);
    else if (m_pSiteInstalledSet->IsOpen())
        m_pSiteInstalledSet->CloseQueryAndSet();
    m_pComponentDb = std::make_unique<CDaoDatabase>();
    m_pComponentDb->Open(m_strInstalledCopyPath, FALSE, FALSE, "");
    CreateTableDefs();
    CreateRecordsets(m_pComponentDb.get(), m_pSiteDb);
    m_pKeyTable = std::make_unique<QZKeyTable>();
    m_pParser = std::make_unique<QZVantrelMemoFld>();
}

void QZComponentMover::MoveObjects(const QZKeyCombo& serviceKey) {
    LONG count = 0;
    MoveSections(serviceKey, &count);
    MoveImages(serviceKey, &count);
    MoveStyles(serviceKey, &count);
    MoveDocuments(serviceKey, &count);
    MoveForms(serviceKey, &count);
    MoveMessages(serviceKey, &count);
    MoveQueries(serviceKey, &count);
    MoveTemplates(serviceKey, &count);
    MoveActiveX(serviceKey, &count);
    MoveJava(serviceKey, &count);
    MoveMedia(serviceKey, &count);
    MoveScripts(serviceKey, &count);
    MoveEvents(serviceKey, &count);
    MoveAdvertisers(serviceKey, &count);
    MoveAdSpaces(serviceKey, &count);
    MoveAds(serviceKey, &count);
}

void QZComponentMover::TranslateTexts() {
    TranslateDocumentText();
    TranslateFormText();
    TranslateMessageText();
    TranslateTemplateText();
    TranslateEventText();
    TranslateScriptText();
}

QZStringPtrList* ListInstalledComponents(CDaoDatabase* db) {
    CDaoTableDef table(db);
    table.Open("ComponentsInstalled");
    CComponentsInstalledSet rows(db);
    rows.Open(&table, dbOpenTable, dbReadOnly);
    QZStringPtrList* list = nullptr;
    for (BOOL more = rows.MoveFirstRow(); more; more = rows.MoveNextRow()) {
        if (list == nullptr)
            list = new QZStringPtrList;
        auto* entry = new CString;
        entry->Format("%s\t%s\t%ld", rows.m_ComponentSrc, rows.m_ComponentTitle,
                      rows.m_VersionNumber);
        list->AddTail(entry);
    }
    rows.Close();
    table.Close();
    return list;
}
