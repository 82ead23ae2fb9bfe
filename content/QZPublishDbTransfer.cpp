// The transfer of the listed objects: one copier for every kind, all of them the one family
// below, driven by what differs between the kinds (their recordset class, their files, the
// marks they take); the recordset pairs they work on; and the final marking of a remote run.
#include "content/QZPublishDb.h"

#include "db/CActiveXSet.h"
#include "db/CAdSet.h"
#include "db/CAdSpaceSet.h"
#include "db/CAdvertiserSet.h"
#include "db/CDocumentSet.h"
#include "db/CEventsSet.h"
#include "db/CFormsSet.h"
#include "db/CImagesSet.h"
#include "db/CJavaSet.h"
#include "db/CMediaSet.h"
#include "db/CMessagesSet.h"
#include "db/CPhotoImagesSet.h"
#include "db/CQuerySet.h"
#include "db/CScriptSet.h"
#include "db/CSectionsSet.h"
#include "db/CServicesSet.h"
#include "db/CStylesSet.h"
#include "db/CTemplatesSet.h"
#include "db/CVantrelDb.h"
#include "db/QZApplication.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoWorkspace.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/ui/MessagePump.h"

#include <cstring>
#include <functional>
#include <string>
#include <variant>

namespace {

// One file of an object, to be copied from the development to the production tree.
struct ObjectFile {
    QZKeyCombo section;
    CString directory;
    CString name;
};

template <class Set> QZKeyCombo SectionOf(const Set& row) {
    return QZKeyCombo(row.m_SectionDbID, row.m_SectionID, OBJ_SECTION);
}

// What sets a kind apart from the others; most kinds have no file and take the common marks.
struct CommonTraits {
    // The form takes the moment of its own copy as its publishing time.
    static constexpr bool kStampsCopyTime = false;
    template <class Set> static std::vector<ObjectFile> Files(const Set&) { return {}; }
    template <class Set> static void MarkVersion(Set&) {}
    // What a row written to a transfer database must not carry.
    template <class Set> static void ScrubForTransfer(Set&) {}
};

template <class Set> struct PublishTraits : CommonTraits {};

template <> struct PublishTraits<CDocumentSet> : CommonTraits {
    // A dynamic page has no file: the server program runs it.
    static std::vector<ObjectFile> Files(const CDocumentSet& row) {
        if (row.m_Dynamic != 0)
            return {};
        return {{SectionOf(row), row.m_Directory, row.m_FileName}};
    }
    static void MarkVersion(CDocumentSet& row) { row.m_VersionPublished = row.m_VersionGenerated; }
};

template <> struct PublishTraits<CImagesSet> : CommonTraits {
    // The image file always, and its map file, from the same directory, when it has one.
    static std::vector<ObjectFile> Files(const CImagesSet& row) {
        std::vector<ObjectFile> files{{SectionOf(row), row.m_Directory, row.m_FileName}};
        if (!row.m_MapFile.IsEmpty())
            files.push_back({SectionOf(row), row.m_Directory, row.m_MapFile});
        return files;
    }
};

template <> struct PublishTraits<CJavaSet> : CommonTraits {
    static std::vector<ObjectFile> Files(const CJavaSet& row) {
        return {{SectionOf(row), row.m_Directory, row.m_Code}};
    }
};

template <> struct PublishTraits<CMediaSet> : CommonTraits {
    static std::vector<ObjectFile> Files(const CMediaSet& row) {
        return {{SectionOf(row), row.m_Directory, row.m_FileName}};
    }
};

template <> struct PublishTraits<CFormsSet> : CommonTraits {
    static constexpr bool kStampsCopyTime = true;
};

template <> struct PublishTraits<CServicesSet> : CommonTraits {
    // The transfer database is uploaded into a directory the web server serves: the FTP log-ins
    // stay in the site database.
    static void ScrubForTransfer(CServicesSet& row) {
        row.m_Production_ftp_User.Empty();
        row.m_Production_ftp_Password = "";
        row.m_Development_ftp_User.Empty();
        row.m_Development_ftp_Password.Empty();
    }
};

template <class Set>
void ApplyMarks(Set& row, const QZKeyCombo& publisher, const COleDateTime& when) {
    row.m_AuthorPublishedDbID = publisher.m_DbID;
    row.m_WhoPublished = publisher.m_KeyID;
    row.m_LastPublished = when;
    row.m_PublishFlag = 0;
    PublishTraits<Set>::MarkVersion(row);
}

bool IsMarkColumn(const char* name) {
    for (const char* mark : {"[AuthorPublishedDbID]", "[WhoPublished]", "[LastPublished]",
                             "[PublishFlag]", "[VersionPublished]"})
        if (std::strcmp(name, mark) == 0)
            return true;
    return false;
}

void AppendValue(std::string& text, LONG value) {
    text += std::to_string(value);
}
void AppendValue(std::string& text, short value) {
    text += std::to_string(value);
}
void AppendValue(std::string& text, BYTE value) {
    text += std::to_string(value);
}
void AppendValue(std::string& text, const CString& value) {
    text += value.str();
}
void AppendValue(std::string& text, const QZScrambledText& value) {
    text += value.m_Stored.str();
}
void AppendValue(std::string& text, const COleDateTime& value) {
    double date = value;
    char bytes[sizeof date];
    std::memcpy(bytes, &date, sizeof date);
    text.append(bytes, sizeof date);
    text += std::to_string(static_cast<int>(value.GetStatus()));
}

// A print of the row's values, the publishing marks left out: two prints differ when the row
// was changed in between.
template <class Set> size_t RowPrint(const Set& row) {
    std::string text;
    for (const QZColumn<Set>& column : Set::Columns()) {
        if (IsMarkColumn(column.name))
            continue;
        text += column.name;
        std::visit([&](auto member) { AppendValue(text, row.*member); }, column.member);
        text += '\x1f';
    }
    return std::hash<std::string>()(text);
}

template <class Set> std::unique_ptr<QZRecordset> NewSet(CDaoDatabase* database) {
    return std::make_unique<Set>(database);
}

using SetFactory = std::unique_ptr<QZRecordset> (*)(CDaoDatabase*);

// The recordset class of each table, in the order of QZPublishDb::Table.
const SetFactory kSetFactories[QZPublishDb::kTableCount] = {
    &NewSet<CServicesSet>,  &NewSet<CSectionsSet>,    &NewSet<CFormsSet>,   &NewSet<CImagesSet>,
    &NewSet<CMessagesSet>,  &NewSet<CPhotoImagesSet>, &NewSet<CQuerySet>,   &NewSet<CStylesSet>,
    &NewSet<CTemplatesSet>, &NewSet<CDocumentSet>,    &NewSet<CActiveXSet>, &NewSet<CMediaSet>,
    &NewSet<CScriptSet>,    &NewSet<CJavaSet>,        &NewSet<CEventsSet>,  &NewSet<CAdvertiserSet>,
    &NewSet<CAdSet>,        &NewSet<CAdSpaceSet>,
};

} // namespace

struct QZPublishDb::PublishKind {
    SHORT type;
    const char* word;
    int (QZPublishDb::*copier)(QZNameAndKey*, const QZKeyCombo&, const COleDateTime&, int);
    int (QZPublishDb::*confirm)(const PendingMark&);
};

// ---- The recordset pairs

void QZPublishDb::CreateRecordsets(CDaoDatabase* pDevelopDb, CDaoDatabase* pProductionDb) {
    DeleteRecordsets();
    for (int table = 0; table < kTableCount; table++)
        m_Sets[table].source = kSetFactories[table](pDevelopDb);
    if (pProductionDb == nullptr)
        return;
    for (int table = 0; table < kTableCount; table++)
        m_Sets[table].destination = kSetFactories[table](pProductionDb);
}

void QZPublishDb::PrepareDestinationSets() {
    if (!m_bMoveObjects)
        return;
    for (RecordsetPair& pair : m_Sets)
        if (pair.destination != nullptr)
            pair.destination->m_bCopyOwnId = TRUE;
}

void QZPublishDb::DeleteRecordsets() {
    for (RecordsetPair& pair : m_Sets) {
        pair.source.reset();
        pair.destination.reset();
    }
}

void QZPublishDb::ResetPair(Table table) {
    RecordsetPair& pair = m_Sets[table];
    pair.source = kSetFactories[table](m_pDevelopDb);
    if (pair.destination != nullptr) {
        pair.destination = kSetFactories[table](m_pProductionDb.get());
        pair.destination->m_bCopyOwnId = m_bMoveObjects;
    }
}

// ---- The loop over the objects

int QZPublishDb::TransferObjects() {
    QZApplication* app = GetVantrelApp();
    QZKeyCombo publisher = app != nullptr ? app->GetUserKey() : QZKeyCombo(0, 0);
    COleDateTime when = COleDateTime::GetCurrentTime();
    if (m_pObjectList == nullptr || m_pObjectList->IsEmpty())
        return transferEmpty;
    for (POSITION position = m_pObjectList->GetHeadPosition(); position != nullptr;) {
        QZNameAndKey* entry = m_pObjectList->GetNext(position);
        const CString& text = entry->m_DisplayText;
        const PublishKind* kind = FindKind(entry->m_Key.m_ObjectType);
        try {
            int result = kind != nullptr ? (this->*kind->copier)(entry, publisher, when, 1)
                                         : copyInvalidType;
            CString word = kind != nullptr ? kind->word : "";
            if (result == copyDone)
                LogPlain("Published: " + word + " - " + text);
            else if (result == copyNotCopied)
                LogPlain("Failed to Publish: " + word + " - " + text);
            else if (result == copyFileFailed)
                LogPlain("Failed to copy the file associated with: " + word + " - " + text);
            else
                LogPlain("Invalid object type: " + text);
        } catch (CDaoException* e) {
            LogPlain("Failed to Publish: " + text + " because of: " + CaughtDaoError(e).Message());
            continue;
        }
        PumpWaitingMessages();
        // The end of the program asked meanwhile stops the run as Abort does.
        if ((m_pPublishView != nullptr && m_pPublishView->m_bAbort) || IsQuitRequested()) {
            LogError("Aborting the production process. Please be patient while we complete "
                     "publishing the pages in progress.");
            return transferAborted;
        }
    }
    return transferDone;
}

// ---- The copier family

template <class Set>
int QZPublishDb::TransferRow(Table table, QZNameAndKey& entry, const QZKeyCombo& publisher,
                             COleDateTime when, int mark) {
    using Traits = PublishTraits<Set>;
    auto& source = static_cast<Set&>(*m_Sets[table].source);
    try {
        int opened = source.OpenByKey(entry.m_Key, Set::GetKeyQueryName(), mark ? 1 : 0);
        if (opened == QZRecordset::openReadOnly) {
            LogPlain(entry.m_DisplayText + " was locked by another user.");
            return copyNotCopied;
        }
        // No row (removed since the list was made), or the lock table stayed busy.
        if (opened != QZRecordset::openFound)
            return copyNotCopied;
        std::vector<ObjectFile> files = mark ? Traits::Files(source) : std::vector<ObjectFile>();
        // With the static files only, an object without a file gives production nothing.
        if (!m_bMoveObjects && files.empty()) {
            ResetPair(table);
            return copyNotCopied;
        }
        if (mark) {
            if (Traits::kStampsCopyTime)
                when = COleDateTime::GetCurrentTime();
            ApplyMarks(source, publisher, when);
        }
        if (m_bMoveObjects) {
            int written = WriteDestination(table, source, entry);
            if (written != copyDone) {
                ResetPair(table);
                return written;
            }
        }
        for (const ObjectFile& file : files) {
            if (!CopyObjectFile(file.section, file.directory, file.name)) {
                ResetPair(table);
                return copyFileFailed;
            }
        }
        if (!mark)
            return copyDone;
        // A remote run marks its objects once the server took the transfer database.
        if (m_bRemote && m_bMoveObjects) {
            m_Pending.push_back({static_cast<SHORT>(entry.m_Key.m_ObjectType), entry.m_Key,
                                 RowPrint(source), publisher, when});
            ResetPair(table);
            return copyDone;
        }
        if (source.SaveRecord(0) != 1) {
            ResetPair(table);
            return copyNotCopied;
        }
        return copyDone;
    } catch (CDaoException*) {
        ResetPair(table);
        throw;
    }
}

template <class Set>
int QZPublishDb::WriteDestination(Table table, Set& source, QZNameAndKey& entry) {
    auto& destination = static_cast<Set&>(*m_Sets[table].destination);
    int found = destination.OpenByKey(entry.m_Key, Set::GetKeyQueryName(), 1);
    if (found == QZRecordset::openReadOnly) {
        LogPlain(entry.m_DisplayText + " was locked by another user.");
        return copyNotCopied;
    }
    if (found == QZRecordset::openBusy)
        return copyNotCopied;
    if (found == QZRecordset::openNotFound && destination.AddNewRecord(0) != 1)
        return copyNotCopied;
    destination.CopyFields(&source);
    if (m_bRemote)
        PublishTraits<Set>::ScrubForTransfer(destination);
    return destination.SaveRecord(0) == 1 ? copyDone : copyNotCopied;
}

int QZPublishDb::TransferService(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                                 const COleDateTime& when, int mark) {
    return TransferRow<CServicesSet>(tServices, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferSection(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                                 const COleDateTime& when, int mark) {
    return TransferRow<CSectionsSet>(tSections, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferPage(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                              const COleDateTime& when, int mark) {
    return TransferRow<CDocumentSet>(tDocuments, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferMacro(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                               const COleDateTime& when, int mark) {
    return TransferRow<CTemplatesSet>(tTemplates, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferImage(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                               const COleDateTime& when, int mark) {
    return TransferRow<CImagesSet>(tImages, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferQuery(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                               const COleDateTime& when, int mark) {
    return TransferRow<CQuerySet>(tQuery, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferEmail(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                               const COleDateTime& when, int mark) {
    return TransferRow<CMessagesSet>(tMessages, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferStyle(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                               const COleDateTime& when, int mark) {
    return TransferRow<CStylesSet>(tStyles, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferForm(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                              const COleDateTime& when, int mark) {
    return TransferRow<CFormsSet>(tForms, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferActiveX(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                                 const COleDateTime& when, int mark) {
    return TransferRow<CActiveXSet>(tActiveX, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferJava(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                              const COleDateTime& when, int mark) {
    return TransferRow<CJavaSet>(tJava, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferMedia(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                               const COleDateTime& when, int mark) {
    return TransferRow<CMediaSet>(tMedia, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferScript(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                                const COleDateTime& when, int mark) {
    return TransferRow<CScriptSet>(tScript, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferAdvertiser(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                                    const COleDateTime& when, int mark) {
    return TransferRow<CAdvertiserSet>(tAdvertiser, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferEvent(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                               const COleDateTime& when, int mark) {
    return TransferRow<CEventsSet>(tEvents, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferAdSpace(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                                 const COleDateTime& when, int mark) {
    return TransferRow<CAdSpaceSet>(tAdSpace, *pEntry, publisher, when, mark);
}

int QZPublishDb::TransferAd(QZNameAndKey* pEntry, const QZKeyCombo& publisher,
                            const COleDateTime& when, int mark) {
    return TransferRow<CAdSet>(tAd, *pEntry, publisher, when, mark);
}

// ---- The final marking of a remote run

template <class Set> int QZPublishDb::ConfirmMark(const PendingMark& pending) {
    Set row(m_pDevelopDb);
    // Claimed by another user, gone, or changed since its copy: production does not have the
    // object as it is now, so it stays marked for publishing.
    if (row.OpenByKey(pending.key, Set::GetKeyQueryName(), 1) != QZRecordset::openFound ||
        RowPrint(row) != pending.rowPrint)
        return 0;
    ApplyMarks(row, pending.publisher, pending.when);
    return row.SaveRecord(0);
}

int QZPublishDb::ConfirmTransferredObjects() {
    if (m_Pending.empty())
        return 1;
    CDaoWorkspace* workspace = m_pDevelopDb->m_pWorkspace;
    try {
        workspace->BeginTrans();
        for (const PendingMark& pending : m_Pending)
            (this->*FindKind(pending.type)->confirm)(pending);
        workspace->CommitTrans();
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        CatchDaoError([&] { workspace->Rollback(); });
        LogError("Unable to mark the published objects because of: " + error.Message());
        return 0;
    }
    m_Pending.clear();
    return 1;
}

const QZPublishDb::PublishKind* QZPublishDb::FindKind(SHORT type) {
    using P = QZPublishDb;
    static const PublishKind kinds[] = {
        {OBJ_SERVICE, "Service", &P::TransferService, &P::ConfirmMark<CServicesSet>},
        {OBJ_SECTION, "Section", &P::TransferSection, &P::ConfirmMark<CSectionsSet>},
        {OBJ_PAGE, "Page", &P::TransferPage, &P::ConfirmMark<CDocumentSet>},
        {OBJ_MACRO, "Macro", &P::TransferMacro, &P::ConfirmMark<CTemplatesSet>},
        {OBJ_IMAGE, "Image", &P::TransferImage, &P::ConfirmMark<CImagesSet>},
        {OBJ_QUERY, "Query", &P::TransferQuery, &P::ConfirmMark<CQuerySet>},
        {OBJ_MESSAGE, "Email", &P::TransferEmail, &P::ConfirmMark<CMessagesSet>},
        {OBJ_STYLE, "Style", &P::TransferStyle, &P::ConfirmMark<CStylesSet>},
        {OBJ_FORM, "Form", &P::TransferForm, &P::ConfirmMark<CFormsSet>},
        {OBJ_ACTIVEX, "ActiveX", &P::TransferActiveX, &P::ConfirmMark<CActiveXSet>},
        {OBJ_JAVA, "Java", &P::TransferJava, &P::ConfirmMark<CJavaSet>},
        {OBJ_MEDIA, "Multimedia", &P::TransferMedia, &P::ConfirmMark<CMediaSet>},
        {OBJ_SCRIPT, "Script", &P::TransferScript, &P::ConfirmMark<CScriptSet>},
        {OBJ_ADVERTISER, "Advertiser", &P::TransferAdvertiser, &P::ConfirmMark<CAdvertiserSet>},
        {OBJ_EVENT, "Event", &P::TransferEvent, &P::ConfirmMark<CEventsSet>},
        {OBJ_ADSPACE, "Ad Space", &P::TransferAdSpace, &P::ConfirmMark<CAdSpaceSet>},
        {OBJ_AD, "Ad", &P::TransferAd, &P::ConfirmMark<CAdSet>},
    };
    for (const PublishKind& kind : kinds)
        if (kind.type == type)
            return &kind;
    return nullptr;
}
