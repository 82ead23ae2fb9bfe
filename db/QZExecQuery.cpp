#include "db/QZExecQuery.h"

#include "platform/core/COleVariant.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoWorkspace.h"
#include "platform/dao/CaughtDaoError.h"

namespace {

const char* const kMarkAllInSite[] = {
    "MQ_PublishActiveX_ByService",    "MQ_PublishAd_ByService",       "MQ_PublishAdSpace_ByService",
    "MQ_PublishAdvertiser_ByService", "MQ_PublishEvents_ByService",   "MQ_PublishForm_ByService",
    "MQ_PublishImage_ByService",      "MQ_PublishJava_ByService",     "MQ_PublishMedia_ByService",
    "MQ_PublishMessage_ByService",    "MQ_PublishPage_ByService",     "MQ_PublishPhoto_ByService",
    "MQ_PublishQuery_ByService",      "MQ_PublishScript_ByService",   "MQ_PublishSection_ByService",
    "MQ_PublishStyle_ByService",      "MQ_PublishTemplate_ByService",
};

const char* const kDeleteServiceObjects[] = {
    "MQ_DeleteImage_ByService",   "MQ_DeleteDocuments_ByService", "MQ_DeleteActiveX_ByService",
    "MQ_DeleteJava_ByService",    "MQ_DeleteMedia_ByService",     "MQ_DeleteScript_ByService",
    "MQ_DeleteSection_ByService",
};

const char* const kDeleteSectionObjects[] = {
    "MQ_DeleteImage_BySection", "MQ_DeleteDocuments_BySection", "MQ_DeleteActiveX_BySection",
    "MQ_DeleteJava_BySection",  "MQ_DeleteMedia_BySection",     "MQ_DeleteScript_BySection",
};

} // namespace

QZExecQuery::QZExecQuery(CDaoDatabase* database)
    : m_pDatabase(database), m_pQueryDef(new CDaoQueryDef(database)) {}

QZExecQuery::~QZExecQuery() {
    delete m_pQueryDef;
}

int QZExecQuery::ExecuteByKey(CString queryName, const QZKeyCombo& key) {
    LONG error = CatchDaoError([&] {
        if (m_pQueryDef->IsOpen())
            m_pQueryDef->Close();
        m_pQueryDef->Open(queryName);
        m_pQueryDef->SetParamValue(0, COleVariant(key.m_DbID, VT_I4));
        m_pQueryDef->SetParamValue(1, COleVariant(key.m_KeyID, VT_I4));
        m_pQueryDef->Execute(dbFailOnError);
    });
    return error == 0 ? 1 : 0;
}

// Each query alone is all or nothing; the transaction makes the whole run so, so that a
// service is never left half marked. The first failure ends the run: what follows could not
// be kept anyway.
int QZExecQuery::ExecuteAllByKey(std::span<const char* const> queryNames, const QZKeyCombo& key) {
    if (CatchDaoError([&] { m_pDatabase->m_pWorkspace->BeginTrans(); }) != 0)
        return 0;
    try {
        for (const char* name : queryNames) {
            if (!ExecuteByKey(name, key)) {
                RollbackQuietly();
                return 0;
            }
        }
        m_pDatabase->m_pWorkspace->CommitTrans();
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
        RollbackQuietly();
        return 0;
    } catch (...) {
        RollbackQuietly();
        throw;
    }
    return 1;
}

void QZExecQuery::RollbackQuietly() {
    CatchDaoError([&] { m_pDatabase->m_pWorkspace->Rollback(); });
}

std::span<const char* const> QZExecQuery::MarkAllInSiteQueries() {
    return kMarkAllInSite;
}

std::span<const char* const> QZExecQuery::DeleteServiceObjectsQueries() {
    return kDeleteServiceObjects;
}

std::span<const char* const> QZExecQuery::DeleteSectionObjectsQueries() {
    return kDeleteSectionObjects;
}
