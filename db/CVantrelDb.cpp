#include "db/CVantrelDb.h"

#include "db/CMarquillSet.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"

#include <memory>

namespace {
constexpr const char* kDefaultPath = "C:\\Marquill\\mq.mdb";
constexpr const char* kNoVersionRow =
    "The database has no single version row: it cannot be opened as a site database.";
} // namespace

CVantrelDb::CVantrelDb() {
    SetDatabasePath("");
}

CVantrelDb::CVantrelDb(CString path) {
    SetDatabasePath(path);
}

CVantrelDb::~CVantrelDb() {
    if (IsOpen())
        Close();
}

CString CVantrelDb::DefaultPath() {
    return MapWindowsPath(kDefaultPath);
}

int CVantrelDb::SetDatabasePath(CString path) {
    // The path setting is stored text: it is mapped here, once, and native from then on.
    m_Path = path == "" ? DefaultPath() : MapWindowsPath(path);
    return 1;
}

int CVantrelDb::OpenDatabase(int skipVersion) {
    try {
        if (IsOpen())
            Close();
        Open(m_Path, FALSE, FALSE, "");
        if (skipVersion == 1)
            return 1;
        if (ReadVersionRow(&m_DbID, &m_Version))
            return 1;
        // Without its one version row the file has no DbID: every key made on it would be
        // wrong, so it is not left open.
        Close();
        AfxMessageBox(kNoVersionRow, MB_OK, 0);
        return 0;
    } catch (CDaoException* e) {
        CString text = CaughtDaoError(e).Message();
        if (IsOpen())
            Close();
        AfxMessageBox(text, MB_OK, 0);
        return 0;
    }
}

int CVantrelDb::ReadVersionRow(LONG* dbId, CString* version) {
    *dbId = 0;
    if (!IsOpen())
        return 0;
    auto set = std::make_unique<CMarquillSet>(this);
    int result = set->ReadVersion(dbId, version, &m_ProductionFlag);
    set->Close();
    return result;
}

int CVantrelDb::GetDbIdAndVersion(LONG* dbId, CString& version) {
    *dbId = m_DbID;
    version = m_Version;
    return 1;
}

void CVantrelDb::Close() {
    CDaoDatabase::Close();
}
