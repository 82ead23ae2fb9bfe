#include "db/CComponentsInstalledSet.h"

#include "db/QZParameterQuery.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"

IMPLEMENT_DYNAMIC(CComponentsInstalledSet, QZRecordset)

namespace {
constexpr const char* kBySourceAndTitle =
    "PARAMETERS argSource Text, argTitle Text; SELECT * FROM ComponentsInstalled WHERE "
    "ComponentSrc = [argSource] AND ComponentTitle = [argTitle];";
} // namespace

CComponentsInstalledSet::CComponentsInstalledSet(CDaoDatabase* database)
    : QZTableSet(database), m_pQuery(std::make_unique<CDaoQueryDef>(database)) {}

CComponentsInstalledSet::~CComponentsInstalledSet() {
    // The set may be open on the name query, which goes first.
    CloseQueryAndSet();
}

int CComponentsInstalledSet::OpenByQuery(CString queryName, int edit) {
    if (IsOpen())
        Close();
    m_pQuery->Open(queryName);
    Open(m_pQuery.get(), dbOpenDynaset, dbConsistent);
    if (edit)
        Edit();
    return 1;
}

int CComponentsInstalledSet::OpenBySourceAndTitle(CString source, CString title, int edit) {
    OpenWithTextParameters(*this, *m_pQuery, kBySourceAndTitle, {source, title});
    if (edit)
        Edit();
    return 1;
}

int CComponentsInstalledSet::IsInstalled(CString source, CString title) {
    OpenWithTextParameters(*this, *m_pQuery, kBySourceAndTitle, {source, title});
    return GetRecordCount() > 0 ? 1 : 0;
}

int CComponentsInstalledSet::AddNewRecord(int flag) {
    int added = 0;
    if (CatchDaoError([&] { added = QZTableSet::AddNewRecord(flag); }) != 0)
        return 0;
    return added;
}

const QZTableDef<CComponentsInstalledSet>& CComponentsInstalledSet::TableDef() {
    using S = CComponentsInstalledSet;
    static const QZTableDef<S> def{
        .table = "ComponentsInstalled",
        .objectType = OBJ_NONE,
        .keyQuery = "",
        .dbId = nullptr,
        .ownId = nullptr,
        .columns =
            {
                {"[ComponentSrc]", &S::m_ComponentSrc},
                {"[ComponentTitle]", &S::m_ComponentTitle},
                {"[VersionNumber]", &S::m_VersionNumber},
                {"[DatabaseLocation]", &S::m_DatabaseLocation},
            },
    };
    return def;
}
