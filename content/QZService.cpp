#include "content/QZService.h"

#include "db/QZRecordsetCaches.h"

IMPLEMENT_DYNAMIC(QZService, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[ServiceID]", "[Name]"};
} // namespace

QZService::QZService(const QZKeyCombo& key, BOOL bOpen) : QZVantrelBase(OBJ_SERVICE) {
    LoadRow<CServicesSet>(key, bOpen, &g_ServicesCache, kColumns);
    BindOwnKeyAsServiceKey();
}

QZService::QZService() : QZVantrelBase(OBJ_SERVICE) {
    AddNewRow<CServicesSet>(kColumns);
    BindOwnKeyAsServiceKey();
}

QZService::~QZService() = default;

QZService& QZService::operator=(const QZService& other) {
    QZVantrelBase::operator=(other);
    return *this;
}

void QZService::SetDirectory(const CString& directory) {
    GetRecordset()->m_Directory = directory;
}

void QZService::SetDevelopPath(const CString& path) {
    GetRecordset()->m_DevelopPath = path;
}

void QZService::BindOwnKeyAsServiceKey() {
    m_Columns.serviceDbId = m_Columns.dbId;
    m_Columns.serviceId = m_Columns.ownId;
}
