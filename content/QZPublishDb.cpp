// The run of production publishing: its steps in order, its log lines and what it releases.
#include "content/QZPublishDb.h"

#include "content/QZEngineMessage.h"
#include "content/QZEngineMessageSink.h"
#include "content/QZService.h"
#include "db/CVantrelDb.h"
#include "db/QZApplication.h"
#include "db/QZRecordset.h"
#include "platform/core/FileServices.h"
#include "platform/inet/CFtpConnection.h"
#include "platform/inet/CInternetSession.h"

IMPLEMENT_DYNAMIC(QZPublishDb, CObject)

namespace {

void Post(int kind, const CString& text) {
    auto* message = new QZEngineMessage(kind, text);
    if (QZApplication* app = GetVantrelApp())
        app->PostEngineMessage(message);
    else
        PostToEngineMessageSink(message);
}

} // namespace

QZPublishDb::QZPublishDb()
    : m_pObjectList(nullptr), m_pPublishView(nullptr), m_pDevelopDb(nullptr), m_bRemote(FALSE),
      m_bMoveObjects(TRUE), m_bOwnsTransferDb(FALSE) {}

QZPublishDb::~QZPublishDb() {
    DeleteRecordsets();
    m_pService.reset();
    RemoveTransferDb();
    CloseProductionDb();
    CloseFtp();
}

int QZPublishDb::Publish(QZPublishAbortFlag* pView, const QZKeyCombo& serviceKey,
                         ObjectList& list) {
    m_pPublishView = pView;
    m_pObjectList = &list;
    m_ServiceKey = serviceKey;
    // With nothing to publish nothing is set up: no connection, no transfer database.
    if (list.IsEmpty())
        return publishEmpty;
    if (!CheckSettings(serviceKey) || !OpenDatabases())
        return publishFailed;
    if (TransferObjects() == transferEmpty)
        return publishEmpty;
    if (!m_bMoveObjects)
        return publishDone;
    if (!UploadTransferDb())
        return publishFailed;
    if (m_bRemote && (!RequestServerLoad() || !ConfirmTransferredObjects()))
        return publishFailed;
    return publishDone;
}

CString QZPublishDb::TransferDbName() const {
    CString name;
    name.Format("%ld-%ld.mdb", static_cast<long>(m_ServiceKey.m_DbID),
                static_cast<long>(m_ServiceKey.m_KeyID));
    return name;
}

void QZPublishDb::RemoveTransferDb() {
    if (!m_bOwnsTransferDb)
        return;
    DeleteRecordsets();
    CloseProductionDb();
    DeleteFileA(m_strProductionDbPath);
    m_bOwnsTransferDb = FALSE;
}

void QZPublishDb::CloseProductionDb() {
    if (m_pProductionDb != nullptr && m_pProductionDb->IsOpen())
        m_pProductionDb->Close();
    m_pProductionDb.reset();
}

void QZPublishDb::CloseFtp() {
    if (m_pFtp != nullptr)
        m_pFtp->Close();
    m_pFtp.reset();
    if (m_pSession != nullptr)
        m_pSession->Close();
    m_pSession.reset();
}

void QZPublishDb::LogError(const CString& text) {
    Post(QZEngineMessage::kindError, text);
}

void QZPublishDb::LogPlain(const CString& text) {
    Post(QZEngineMessage::kindProgress, text);
}
