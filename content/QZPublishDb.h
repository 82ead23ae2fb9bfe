#pragma once
// One production publishing run: copies a chosen list of a service's objects to the service's
// production site. Local production writes the rows straight into the production database and
// copies the objects' files into the production directory; remote production writes the rows
// into a new transfer database, uploads the files and that database by FTP into the service's
// directory on the production server and asks the server program over HTTP to load it. An
// object is marked published in the site database only once production has what it needs of
// it (for remote production: once the server accepted the transfer database).

#include "content/QZPublishAbortFlag.h"
#include "db/QZKeyCombo.h"
#include "db/QZNameAndKey.h"
#include "platform/core/CObList.h"
#include "platform/core/CObject.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/core/CTypedPtrList.h"

#include <array>
#include <memory>
#include <vector>

class CDaoDatabase;
class CFtpConnection;
class CInternetException;
class CInternetSession;
class CServicesSet;
class CVantrelDb;
class QZRecordset;
class QZService;

class QZPublishDb : public CObject {
    DECLARE_DYNAMIC(QZPublishDb)
public:
    using ObjectList = CTypedPtrList<CObList, QZNameAndKey*>;

    // Results of Publish.
    enum { publishEmpty = 0, publishDone = 1, publishFailed = 3 };
    // Results of TransferObjects.
    enum { transferEmpty = 0, transferDone = 1, transferAborted = 2 };
    // Results of the copiers.
    enum { copyDone = 1, copyInvalidType = 3, copyNotCopied = 4, copyFileFailed = 5 };

    QZPublishDb();
    ~QZPublishDb() override;
    QZPublishDb(const QZPublishDb&) = delete;
    QZPublishDb& operator=(const QZPublishDb&) = delete;

    // Runs the steps below in order: 0 for an empty list (nothing is set up), 3 when the
    // set-up, the opening of the databases, the upload, the load request or the final marking
    // failed, else 1 (also after an abort). Engine errors that reach it pass on.
    int Publish(QZPublishAbortFlag* pView, const QZKeyCombo& serviceKey, ObjectList& list);
    // Loads the service, works out its directories, checks or makes the production directory,
    // connects to the FTP server and makes the transfer database (remote). 1, or 0 after its
    // log line.
    int CheckSettings(const QZKeyCombo& serviceKey);
    // Opens the production (or transfer) database when rows are moved and makes the recordset
    // pairs. 1, or 0 after its log line.
    int OpenDatabases();
    // Hands each list entry to the copier of its kind and logs the outcome: 0 for an empty
    // list, 2 when the user aborted, 1 when every entry was handled.
    int TransferObjects();

    // The 18 pairs of recordsets, the sources on the development database and the
    // destinations on the production one (none without it). Engine errors pass on.
    virtual void CreateRecordsets(CDaoDatabase* pDevelopDb, CDaoDatabase* pProductionDb);
    // Makes every destination set carry the rows' own numbers, when rows are moved.
    void PrepareDestinationSets();
    void DeleteRecordsets();

    // The copiers, one for each kind: 1 copied, 4 not published (locked by another user, no
    // row, or nothing to publish of it), 5 its file was not copied. Engine errors pass on.
    int TransferService(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                        int mark);
    int TransferSection(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                        int mark);
    int TransferPage(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                     int mark);
    int TransferMacro(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                      int mark);
    int TransferImage(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                      int mark);
    int TransferQuery(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                      int mark);
    int TransferEmail(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                      int mark);
    int TransferStyle(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                      int mark);
    int TransferForm(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                     int mark);
    int TransferActiveX(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                        int mark);
    int TransferJava(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                     int mark);
    int TransferMedia(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                      int mark);
    int TransferScript(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                       int mark);
    int TransferAdvertiser(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                           const COleDateTime& when, int mark);
    int TransferEvent(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                      int mark);
    int TransferAdSpace(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                        int mark);
    int TransferAd(QZNameAndKey* pEntry, const QZKeyCombo& publisher, const COleDateTime& when,
                   int mark);

    // Copies one object's file from the development directory into the production directory,
    // locally or by FTP. 1 copied, else 0 after its log line.
    int CopyObjectFile(const QZKeyCombo& sectionKey, const CString& directory,
                       const CString& fileName);
    // Uploads the transfer database into the service's directory on the FTP server and
    // deletes it locally; 1 when done or when there is nothing to do (local production).
    int UploadTransferDb();
    // Asks the server program to load the uploaded transfer database; 1 when it answered 200.
    int RequestServerLoad();
    // Marks published, in one transaction, the objects that went into the transfer database
    // and are unchanged since; 1, or 0 (nothing marked) after an engine error.
    int ConfirmTransferredObjects();

    // The recordset tables, in the order of the pairs.
    enum Table {
        tServices,
        tSections,
        tForms,
        tImages,
        tMessages,
        tPhotoImages,
        tQuery,
        tStyles,
        tTemplates,
        tDocuments,
        tActiveX,
        tMedia,
        tScript,
        tJava,
        tEvents,
        tAdvertiser,
        tAd,
        tAdSpace,
        kTableCount
    };

private:
    // An object copied into the transfer database whose marks wait for the server's answer.
    struct PendingMark {
        SHORT type;
        QZKeyCombo key;
        size_t rowPrint; // the row as it was copied, marks left out
        QZKeyCombo publisher;
        COleDateTime when;
    };
    struct PublishKind;
    struct RecordsetPair {
        std::unique_ptr<QZRecordset> source;
        std::unique_ptr<QZRecordset> destination;
    };

    template <class Set>
    int TransferRow(Table table, QZNameAndKey& entry, const QZKeyCombo& publisher,
                    COleDateTime when, int mark);
    template <class Set> int WriteDestination(Table table, Set& source, QZNameAndKey& entry);
    template <class Set> int ConfirmMark(const PendingMark& pending);
    // The kind of a list entry's type code; null for a type that is not published.
    static const PublishKind* FindKind(SHORT type);
    // Makes the pair of the table anew (a set in an unknown state gives up its claim).
    void ResetPair(Table table);

    int CheckLocalProduction(const CServicesSet& service, const CString& directory);
    int CheckRemoteProduction(const CServicesSet& service, const CString& directory);
    int ConnectFtp(const CServicesSet& service);
    // Makes the transfer database in the program's root directory, replacing one left behind.
    int CreateTransferDb();
    // Deletes the transfer database file when the run made it and did not upload it.
    void RemoveTransferDb();
    void CloseFtp();
    void CloseProductionDb();
    // The two ways of CopyObjectFile, with the source file's path.
    int CopyToLocalProduction(const CString& source, const CString& sectionDir,
                              const CString& objectDir, const CString& fileName);
    int CopyToRemoteProduction(const CString& source, const CString& sectionDir,
                               const CString& objectDir, const CString& fileName);
    // Makes each missing level of `levels` below the FTP directory `base`; FALSE when one
    // cannot be made.
    BOOL MakeRemoteLevels(const CString& base, const CString& levels);
    // The transfer database's name on the server: "DbID-KeyID.mdb" of the service.
    CString TransferDbName() const;

    // The exception's text; the exception is deleted.
    static CString TakeInternetError(CInternetException* e);
    // Log lines: error, and plain.
    static void LogError(const CString& text);
    static void LogPlain(const CString& text);

    ObjectList* m_pObjectList;
    QZPublishAbortFlag* m_pPublishView;
    QZKeyCombo m_ServiceKey;
    std::unique_ptr<QZService> m_pService;
    CString m_strDevelopDir;
    CString m_strProductionDir;
    std::unique_ptr<CVantrelDb> m_pProductionDb;
    CString m_strProductionDbPath;
    CVantrelDb* m_pDevelopDb;
    BOOL m_bRemote;
    BOOL m_bMoveObjects;
    std::unique_ptr<CInternetSession> m_pSession;
    std::unique_ptr<CFtpConnection> m_pFtp;
    std::array<RecordsetPair, kTableCount> m_Sets;
    // TRUE from the making of the transfer database until it was uploaded.
    BOOL m_bOwnsTransferDb;
    std::vector<PendingMark> m_Pending;
};
