#include "content/QZVantrelBase.h"

#include "content/QZAttributes.h"
#include "content/QZEngineMessage.h"
#include "content/QZEngineMessageSink.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "platform/dao/CDaoQueryDef.h"

IMPLEMENT_DYNAMIC(QZVantrelBase, CObject)

QZVantrelBase::QZVantrelBase(SHORT nObjectType)
    : m_bEditable(TRUE), m_nPreviewOutput(0), m_nGenerateOutput(0), m_nObjectType(nObjectType),
      m_bLoaded(TRUE), m_pOutputFile(nullptr) {}

QZVantrelBase::~QZVantrelBase() = default;

QZVantrelBase& QZVantrelBase::operator=(const QZVantrelBase& other) {
    if (this == &other || m_pRecordset == nullptr || other.m_pRecordset == nullptr)
        return *this;
    // The row copy carries the other row's DbID; an object of another database must not lend
    // this one its key, or a save would write this row under a key it does not own.
    const QZKeyCombo own = GetKey();
    m_pRecordset->CopyFields(other.m_pRecordset.get());
    WriteKey(m_Columns.dbId, m_Columns.ownId, own);
    return *this;
}

CString QZVantrelBase::GetEmptyText() const {
    return CString();
}

BOOL QZVantrelBase::IsLoaded() const {
    return m_bLoaded;
}

int QZVantrelBase::Save() {
    // A read-only copy may share its row with the cache and other objects: it is not stamped.
    if (m_pRecordset == nullptr || !m_bLoaded || !m_bEditable)
        return 0;
    SetLastChangedDate(COleDateTime::GetCurrentTime());
    QZKeyCombo user = CurrentUserKey();
    SetAuthorChangedDbID(user.m_DbID);
    SetWhoChanged(user.m_KeyID);
    return m_pRecordset->SaveRecord(1);
}

QZKeyCombo QZVantrelBase::GetKey() const {
    return KeyOf(m_Columns.dbId, m_Columns.ownId, m_nObjectType);
}

CString QZVantrelBase::GetName() const {
    return Read(m_Columns.name);
}

void QZVantrelBase::SetName(const CString& name) {
    Write(m_Columns.name, name);
}

QZKeyCombo QZVantrelBase::GetServiceKey() const {
    return KeyOf(m_Columns.serviceDbId, m_Columns.serviceId, OBJ_SERVICE);
}

void QZVantrelBase::SetServiceKey(const QZKeyCombo& key) {
    WriteKey(m_Columns.serviceDbId, m_Columns.serviceId, key);
}

QZKeyCombo QZVantrelBase::GetSectionKey() const {
    return KeyOf(m_Columns.sectionDbId, m_Columns.sectionId, OBJ_SECTION);
}

void QZVantrelBase::SetSectionKey(const QZKeyCombo& key) {
    WriteKey(m_Columns.sectionDbId, m_Columns.sectionId, key);
}

QZKeyCombo QZVantrelBase::GetStyleKey() const {
    return KeyOf(m_Columns.styleDbId, m_Columns.styleId, OBJ_STYLE);
}

void QZVantrelBase::SetStyleKey(const QZKeyCombo& key) {
    WriteKey(m_Columns.styleDbId, m_Columns.styleId, key);
}

COleDateTime QZVantrelBase::GetLastChanged() const {
    return Read(m_Columns.lastChanged);
}

void QZVantrelBase::SetLastChanged(const COleDateTime& when) {
    Write(m_Columns.lastChanged, when);
}

COleDateTime QZVantrelBase::GetLastPublished() const {
    return Read(m_Columns.lastPublished);
}

void QZVantrelBase::SetLastPublished(const COleDateTime& when) {
    Write(m_Columns.lastPublished, when);
}

BOOL QZVantrelBase::GetPublishFlag() const {
    return Read(m_Columns.publishFlag) != 0;
}

void QZVantrelBase::SetPublishFlag(BOOL flag) {
    Write<BYTE>(m_Columns.publishFlag, flag ? 1 : 0);
}

BOOL QZVantrelBase::GetNeverPublishFlag() const {
    // A kind without the column is never published.
    return m_Columns.neverPublishFlag == nullptr || *m_Columns.neverPublishFlag != 0;
}

void QZVantrelBase::SetNeverPublishFlag(BOOL flag) {
    Write<BYTE>(m_Columns.neverPublishFlag, flag ? 1 : 0);
}

QZKeyCombo QZVantrelBase::GetChangedByKey() const {
    return KeyOf(m_Columns.authorChangedDbId, m_Columns.whoChanged, OBJ_AUTHOR);
}

void QZVantrelBase::SetChangedByKey(const QZKeyCombo&) {}

QZKeyCombo QZVantrelBase::GetPublishedByKey() const {
    return KeyOf(m_Columns.authorPublishedDbId, m_Columns.whoPublished, OBJ_AUTHOR);
}

void QZVantrelBase::SetPublisher(const QZKeyCombo& user) {
    SetWhoPublished(user.m_KeyID);
    SetAuthorPublishedDbID(user.m_DbID);
}

void QZVantrelBase::SetAuthorPublishedDbID(LONG dbId) {
    Write(m_Columns.authorPublishedDbId, dbId);
}

void QZVantrelBase::SetWhoPublished(LONG userId) {
    Write(m_Columns.whoPublished, userId);
}

QZKeyCombo QZVantrelBase::GetGeneratedByKey() const {
    return KeyOf(m_Columns.authorGenDbId, m_Columns.whoGenerated, OBJ_AUTHOR);
}

void QZVantrelBase::SetGeneratedByKey(const QZKeyCombo&) {}

CString QZVantrelBase::GetDirectory() const {
    return Read(m_Columns.directory);
}

CString QZVantrelBase::GetFileName() const {
    return Read(m_Columns.fileName);
}

BOOL QZVantrelBase::IsDeleted() const {
    return Read(m_Columns.deleted) != 0;
}

void QZVantrelBase::SetDeleted(BOOL deleted) {
    Write<BYTE>(m_Columns.deleted, deleted ? 1 : 0);
}

int QZVantrelBase::MarkPublished() {
    switch (m_nObjectType) {
    case OBJ_PAGE:
    case OBJ_IMAGE:
    case OBJ_JAVA:
    case OBJ_MEDIA:
        // An object whose file did not reach production still waits to be published.
        if (!PublishFile())
            return 0;
        break;
    default:
        break;
    }
    QZKeyCombo user = CurrentUserKey();
    SetAuthorPublishedDbID(user.m_DbID);
    SetWhoPublished(user.m_KeyID);
    SetPublishFlag(FALSE);
    return 1;
}

int QZVantrelBase::Generate() {
    return 1;
}

void QZVantrelBase::PostEngineMessage(int kind, const CString& text, LONG line) {
    auto* message = new QZEngineMessage(kind, static_cast<WORD>(m_nObjectType), GetKey(), text,
                                        static_cast<int>(line));
    if (QZApplication* app = GetVantrelApp())
        app->PostEngineMessage(message);
    else
        PostToEngineMessageSink(message);
}

void QZVantrelBase::LoadService() {
    m_pService = std::make_unique<QZService>(GetServiceKey(), FALSE);
}

void QZVantrelBase::LoadSection() {
    m_pSection = std::make_unique<QZSection>(GetSectionKey(), FALSE);
}

void QZVantrelBase::DeleteDependents() {
    // One text for every page, so the engine prepares it once.
    CDaoQueryDef query(SiteDatabase());
    query.Create(nullptr, "PARAMETERS argDbID Long, argKeyID Long; DELETE FROM Dependents WHERE "
                          "ObjDbID = [argDbID] AND ObjKeyID = [argKeyID] AND ObjTypeID = 2");
    query.SetParamValue(0, COleVariant(static_cast<LONG>(GetKey().m_DbID), VT_I4));
    query.SetParamValue(1, COleVariant(static_cast<LONG>(GetKey().m_KeyID), VT_I4));
    query.Execute(dbFailOnError);
}

QZKeyCombo QZVantrelBase::CurrentUserKey() {
    QZApplication* app = GetVantrelApp();
    return app != nullptr ? app->GetUserKey() : QZKeyCombo(0, 0, OBJ_AUTHOR);
}

QZKeyCombo QZVantrelBase::CurrentServiceKey() {
    QZApplication* app = GetVantrelApp();
    return app != nullptr ? app->GetCurrentServiceKey() : QZKeyCombo(0, 0, OBJ_SERVICE);
}

QZKeyCombo QZVantrelBase::CurrentSectionKey() {
    QZApplication* app = GetVantrelApp();
    return app != nullptr ? app->GetCurrentSectionKey() : QZKeyCombo(0, 0, OBJ_SECTION);
}

QZKeyCombo QZVantrelBase::KeyOf(const LONG* dbId, const LONG* id, SHORT type) {
    return QZKeyCombo(Read(dbId), Read(id), type);
}

void QZVantrelBase::WriteKey(LONG* dbId, LONG* id, const QZKeyCombo& key) {
    Write(dbId, key.m_DbID);
    Write(id, key.m_KeyID);
}

CDaoDatabase* QZVantrelBase::SiteDatabase() {
    return &GetVantrelApp()->GetVantrelDb();
}

BOOL QZVantrelBase::HasCurrentRow(QZRecordset& set) {
    try {
        return set.IsOpen() && !set.IsBOF() && !set.IsEOF();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
}
