#include "tests/content/ContentFixture.h"

#include "db/QZRecordsetCaches.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoRecordset.h"

void ContentTest::SetUp() {
    SiteDatabaseTest::SetUp();
    TestApp().GetCurrentServiceKey().SetKey(kDbId, kService);
    TestApp().GetCurrentSectionKey().SetKey(kDbId, kSection);
    TestApp().m_bVerboseMessages = FALSE;
}

void ContentTest::TearDown() {
    ClearRecordsetCaches();
    SiteDatabaseTest::TearDown();
}

void ContentTest::Insert(const std::string& table, const std::string& columns,
                         const std::string& values) {
    ExecuteOn(m_path, "INSERT INTO " + table + " (" + columns + ") VALUES (" + values + ")");
}

void ContentTest::AddRow(const ContentKind& kind, LONG id, const std::string& name,
                         const std::string& columns, const std::string& values) {
    std::string names = std::string("DbID, ") + kind.idColumn + ", " + kind.nameColumn +
                        ", Deleted" + (columns.empty() ? "" : ", " + columns);
    std::string row =
        "5, " + std::to_string(id) + ", '" + name + "', 0" + (values.empty() ? "" : ", " + values);
    Insert(kind.table, names, row);
}

COleVariant ContentTest::Value(const ContentKind& kind, LONG id, const char* column) {
    CDaoDatabase db;
    db.Open(m_path.c_str());
    CString sql;
    sql.Format("SELECT %s FROM %s WHERE DbID = 5 AND %s = %ld", column, kind.table, kind.idColumn,
               id);
    CDaoRecordset rows(&db);
    rows.Open(dbOpenSnapshot, sql);
    COleVariant value;
    if (!rows.IsEOF())
        value = rows.GetFieldValue(0);
    rows.Close();
    db.Close();
    return value;
}

std::string ContentTest::Text(const ContentKind& kind, LONG id, const char* column) {
    COleVariant value = Value(kind, id, column);
    return value.vt == VT_BSTR ? value.bstrVal.str() : "";
}

LONG ContentTest::Number(const ContentKind& kind, LONG id, const char* column) {
    COleVariant value = Value(kind, id, column);
    if (value.vt == VT_NULL || value.vt == VT_EMPTY)
        return 0;
    value.ChangeType(VT_I4);
    return value.lVal;
}

long ContentTest::Claims(SHORT type, LONG id) {
    return Count("SELECT * FROM Semaphor WHERE ObjDbID = 5 AND ObjKeyID = " + std::to_string(id) +
                 " AND ObjTypeID = " + std::to_string(type));
}
