#include "content/import/QZImportedFormRow.h"

#include "db/QZApplication.h"
#include "platform/core/COleDateTime.h"

namespace {
CDaoDatabase* SiteDatabase() {
    QZApplication* app = GetVantrelApp();
    return app != nullptr ? &app->GetVantrelDb() : nullptr;
}
} // namespace

std::unique_ptr<QZImportedForm> MakeImportedForm() {
    return std::make_unique<QZImportedFormRow>();
}

QZImportedFormRow::QZImportedFormRow() : m_set(SiteDatabase()) {
    m_bAdded = m_set.AddNewRecord(1) == 1;
    if (QZApplication* app = GetVantrelApp())
        m_set.SetServiceKey(app->GetCurrentServiceKey());
}

// The set gives up the claim as it goes.
QZImportedFormRow::~QZImportedFormRow() = default;

QZKeyCombo QZImportedFormRow::GetKey() const {
    return QZKeyCombo(m_set.m_DbID, m_set.m_FormID, OBJ_FORM);
}

int QZImportedFormRow::Save() {
    if (!m_bAdded)
        return 0;
    m_set.m_LastChanged = COleDateTime::GetCurrentTime();
    if (QZApplication* app = GetVantrelApp()) {
        m_set.m_AuthorChangedDbID = app->GetUserKey().m_DbID;
        m_set.m_WhoChanged = app->GetUserKey().m_KeyID;
    }
    return m_set.SaveRecord(1);
}
