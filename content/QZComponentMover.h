#pragma once
// Installs component packages: a package is a folder holding a component database (a database
// in the site schema whose own ComponentsInstalled row names its source, title and version)
// and the files its objects use. Registration copies the package into the Components folder
// under the component root and records it in the site's ComponentsInstalled table; insertion
// copies a registered component's files into a service's development directory, its database
// into a chosen directory, and its objects into the site database under new keys with every
// reference between them rewritten, then strips that copy down to the component's own tables.
// One mover serves one registration or one insertion.

#include "db/QZKeyCombo.h"
#include "platform/core/CObject.h"
#include "platform/core/CPtrList.h"
#include "platform/core/CString.h"
#include "platform/core/CTypedPtrList.h"

#include <memory>
#include <vector>

class CComponentsInstalledSet;
class CDaoDatabase;
class CDaoTableDef;
class CGenericRecordSet;
class QZKeyTable;
class QZRecordset;
class QZVantrelMemoFld;

using QZStringPtrList = CTypedPtrList<CPtrList, CString*>;

class QZComponentMover : public CObject {
    DECLARE_DYNAMIC(QZComponentMover)
public:
    // Results of InstallComponent.
    enum InstallResult : int {
        installUnstripped = 0,  // not stripped (no longer arises: a copy is stripped whether or
                                // not it holds own tables)
        installNothing = 1,     // nothing inserted: a check or the database copy failed
        installDone = 2,        // inserted; the copy stripped and closed
        installStripFailed = 7, // inserted; stripping the copy ended on an engine error
    };
    static constexpr int kKindCount = 16;

    QZComponentMover();
    ~QZComponentMover() override;
    QZComponentMover(const QZComponentMover&) = delete;
    QZComponentMover& operator=(const QZComponentMover&) = delete;

    // The Components folder under the application's component root.
    static CString GetComponentsFolder();

    // ---- Registration ----
    // Prepares the registration of the package database `fileName` in `packageFolder` into
    // its own folder under `componentsFolder`. 0, with an error line, when the names cannot
    // make a folder and a file there.
    int OpenComponent(CDaoDatabase* siteDb, CString packageFolder, CString componentsFolder,
                      CString fileName);
    // Registers the prepared package: 1 registered, 0 refused (no readable component row, an
    // older version than the registered one, a folder of another component, a file that
    // cannot be copied). The package is copied completely before the site's row is written;
    // a failure leaves the copy registered before intact.
    int LoadComponentInfo();

    // ---- Insertion ----
    // Inserts the component of a list entry ("source\ttitle\tversion") into the service,
    // copying its database into the target directory (or the folder of the file it names).
    int InstallComponent(CDaoDatabase* siteDb, QZKeyCombo serviceKey, CString entry,
                         CString targetDirectory);

    // ---- The insertion's database steps ----
    // Makes the sixteen pairs of recordsets (component side, site side). Returns 1.
    virtual int CreateRecordsets(CDaoDatabase* componentDb, CDaoDatabase* siteDb);
    int CreateTableDefs();
    // The table movers, in the order insertion runs them: each copies the live rows of its
    // table into the site database under new keys, entered into the key table. Each returns
    // 1 and sets the count to 0.
    int MoveSections(QZKeyCombo serviceKey, LONG* count);
    int MoveImages(QZKeyCombo serviceKey, LONG* count);
    int MoveStyles(QZKeyCombo serviceKey, LONG* count);
    int MoveDocuments(QZKeyCombo serviceKey, LONG* count);
    int MoveForms(QZKeyCombo serviceKey, LONG* count);
    int MoveMessages(QZKeyCombo serviceKey, LONG* count);
    int MoveQueries(QZKeyCombo serviceKey, LONG* count);
    int MoveTemplates(QZKeyCombo serviceKey, LONG* count);
    int MoveActiveX(QZKeyCombo serviceKey, LONG* count);
    int MoveJava(QZKeyCombo serviceKey, LONG* count);
    int MoveMedia(QZKeyCombo serviceKey, LONG* count);
    int MoveScripts(QZKeyCombo serviceKey, LONG* count);
    int MoveEvents(QZKeyCombo serviceKey, LONG* count);
    int MoveAdvertisers(QZKeyCombo serviceKey, LONG* count);
    int MoveAdSpaces(QZKeyCombo serviceKey, LONG* count);
    int MoveAds(QZKeyCombo serviceKey, LONG* count);
    // Maps the style and default page of every copied section.
    void RelinkSections();
    // Maps the ten ad keys of every copied ad space, once the ads are copied.
    void RelinkAdSpaces();
    // The object keys inside the copied template texts, mapped. Each returns 1.
    int TranslateDocumentText();
    int TranslateFormText();
    int TranslateMessageText();
    int TranslateTemplateText();
    int TranslateEventText();
    int TranslateScriptText();
    // Maps the key texts of the own tables of the installed copy. Returns 8.
    int RemapKeyColumns();
    void RemapKeyField(SHORT field, SHORT type);
    // Deletes the standard tables and the MQ_ and REM_ queries: 6 done, 7 ended on an engine
    // error.
    int RemoveSiteObjects(CDaoDatabase* db);
    // New lists of the standard tables and of the MQ_ and REM_ queries; the caller deletes them.
    QZStringPtrList* ListSiteTables(CDaoDatabase* db);
    QZStringPtrList* ListSiteQueries(CDaoDatabase* db);

    static BOOL IsSiteTable(const CString& name);
    static BOOL IsSystemTable(const CString& name);
    static BOOL IsSiteQuery(const CString& name);
    static BOOL ShouldCopyRow(LONG dbId, BYTE deleted);
    static short GetTableCount(CDaoDatabase* db);
    static short GetQueryCount(CDaoDatabase* db);

    // The key table of the insertion; null before it started.
    QZKeyTable* GetKeyTable() const { return m_pKeyTable.get(); }

private:
    // A pair of key columns of a row of Set and the object type of the key they hold.
    template <class Set> struct KeyColumn {
        LONG Set::*dbId;
        LONG Set::*id;
        SHORT type;
    };

    // ---- Registration steps ----
    int OpenPackageDb();
    int ReadComponentInfo();
    int CheckInstalled();
    int IsNotOlder();
    // FALSE, with an error line, when the install folder belongs to another component.
    BOOL IsInstallFolderFree();
    int InstallPackageFiles();
    int WriteInstalledRow();
    void ClosePackageDb();
    // Copies a folder tree into an existing empty folder, links and the Components folder
    // left out; FALSE, with an error line naming it, at the first file not copied.
    BOOL CopyDirectory(const CString& source, const CString& destination);

    // ---- Insertion steps ----
    void ParseComponentEntry(const CString& entry);
    BOOL GetServiceDirectory(const QZKeyCombo& serviceKey);
    BOOL FindInstalledComponent();
    BOOL PrepareTargetDirectory();
    // Plans the copy of the component's files into the service directory; FALSE, with an
    // error line for each, when one would replace a different site file.
    BOOL PlanComponentFiles(const CString& source, const CString& destination, BOOL top);
    void CopyComponentFiles();
    // TRUE for the component database's file name and the engine's files beside it.
    BOOL IsDatabaseFile(const CString& name) const;
    void OpenForInstall();
    void MoveObjects(const QZKeyCombo& serviceKey);
    void TranslateTexts();
    void CloseComponentDb();

    template <class Set>
    int MoveTable(int kind, const QZKeyCombo& serviceKey, LONG* count,
                  std::vector<KeyColumn<Set>> references);
    template <class Set>
    void CopyRow(int kind, const QZKeyCombo& serviceKey,
                 const std::vector<KeyColumn<Set>>& references);
    template <class Set> void MapColumns(Set& row, const std::vector<KeyColumn<Set>>& columns);
    template <class Set> void RelinkRows(SHORT type, const std::vector<KeyColumn<Set>>& columns);
    template <class Set> int TranslateText(SHORT type, std::vector<CString Set::*> columns);
    void RemapTable(const CString& name);

    static void ReportError(const CString& text);

    CDaoDatabase* m_pSiteDb = nullptr;
    std::unique_ptr<CDaoDatabase> m_pPackageDb;
    std::unique_ptr<CDaoDatabase> m_pComponentDb;
    std::unique_ptr<CComponentsInstalledSet> m_pSiteInstalledSet;
    std::unique_ptr<CGenericRecordSet> m_pGenericSet;

    CString m_strPackageFileName;
    CString m_strPackageFolder;
    CString m_strInstallFolder;
    CString m_strPackageDbPath;
    CString m_strInstalledDbPath;
    CString m_strComponentTitle;
    CString m_strComponentSource;
    CString m_strTargetDirectory;
    CString m_strRootDirectory;
    CString m_strComponentLocation;
    CString m_strComponentFileName;
    CString m_strInstalledCopyPath;
    CString m_strServiceDirectory;
    CString m_strComponentsFolder;
    LONG m_nVersion = 0;

    std::unique_ptr<QZRecordset> m_pComponentSets[kKindCount];
    std::unique_ptr<QZRecordset> m_pSiteSets[kKindCount];
    std::unique_ptr<CDaoTableDef> m_pTableDefs[kKindCount];
    std::unique_ptr<QZVantrelMemoFld> m_pParser;
    std::unique_ptr<QZKeyTable> m_pKeyTable;
    BOOL m_bAlreadyInstalled = FALSE;

    // The copies insertion will make: folders first met first, then files.
    struct PlannedCopy {
        BOOL folder;
        CString from;
        CString to;
    };
    std::vector<PlannedCopy> m_plannedCopies;
};

// One entry "source\ttitle\tversion" for each registered component, in table order; null when
// there is none. The caller deletes the list and its strings.
QZStringPtrList* ListInstalledComponents(CDaoDatabase* db);
