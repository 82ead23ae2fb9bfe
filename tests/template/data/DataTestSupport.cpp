#include "tests/template/data/DataTestSupport.h"

#include "db/CQuerySet.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"
#include "template/data/CClientQuerySet.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

void AddField(CDaoTableDef& table, const char* name, short type, LONG size, bool required,
              bool zeroLength, bool counter = false) {
    CDaoFieldInfo info;
    info.m_strName = name;
    info.m_nType = type;
    info.m_lSize = size;
    info.m_lAttributes = dbUpdatableField | (counter ? dbAutoIncrField : 0);
    info.m_bRequired = required;
    info.m_bAllowZeroLength = zeroLength;
    info.m_lCollatingOrder = dbSortGeneral;
    table.CreateField(info);
}

void AddPrimaryKey(CDaoTableDef& table, std::initializer_list<const char*> names) {
    CDaoIndexFieldInfo fields[4];
    short count = 0;
    for (const char* name : names)
        fields[count++].m_strName = name;
    CDaoIndexInfo index;
    index.m_strName = "PrimaryKey";
    index.m_pFieldInfos = fields;
    index.m_nFields = count;
    index.m_bPrimary = index.m_bUnique = index.m_bRequired = TRUE;
    table.CreateIndex(index);
    index.m_pFieldInfos = nullptr;
}

void Store(CDaoDatabase& db, const char* name, const char* sql, const char* connect = "") {
    CDaoQueryDef query(&db);
    query.Create(name, sql);
    query.SetConnect(connect);
    query.Append();
}

} // namespace

void CreateShopDatabase(const std::string& path, const char* tag) {
    CDaoDatabase db;
    db.Create(path.c_str());
    {
        CDaoTableDef items(&db);
        items.Create("Items");
        AddField(items, "ItemID", dbLong, 4, false, false, true);
        AddField(items, "Name", dbText, 40, true, false);
        AddField(items, "Category", dbText, 20, false, true);
        AddField(items, "Code", dbText, 10, false, false);
        AddField(items, "Price", dbDouble, 8, false, false);
        AddField(items, "Notes", dbMemo, 0, false, true);
        items.Append();
        AddPrimaryKey(items, {"ItemID"});
        CDaoTableDef lines(&db);
        lines.Create("OrderLines");
        AddField(lines, "OrderID", dbLong, 4, true, false);
        AddField(lines, "Line", dbLong, 4, true, false);
        AddField(lines, "Qty", dbInteger, 2, false, false);
        lines.Append();
        AddPrimaryKey(lines, {"OrderID", "Line"});
        CDaoTableDef codes(&db);
        codes.Create("Codes");
        AddField(codes, "Code", dbText, 10, true, false);
        AddField(codes, "Title", dbText, 40, false, true);
        codes.Append();
        AddPrimaryKey(codes, {"Code"});
    }
    const char* rows[][3] = {{"Hammer", "tools", "12.5"},
                             {"Saw", "tools", "20"},
                             {"Apple", "food", "0.5"},
                             {"Pear", "food", "0.75"}};
    for (const auto& row : rows) {
        CString sql;
        sql.Format("INSERT INTO Items (Name, Category, Price) VALUES ('%s%s', '%s', %s)", row[0],
                   tag, row[1], row[2]);
        db.Execute(sql);
    }
    db.Execute("INSERT INTO OrderLines (OrderID, Line, Qty) VALUES (1, 1, 5)");
    db.Execute("INSERT INTO OrderLines (OrderID, Line, Qty) VALUES (1, 2, 6)");
    db.Execute("INSERT INTO OrderLines (OrderID, Line, Qty) VALUES (2, 1, 7)");
    db.Execute("INSERT INTO Codes (Code, Title) VALUES ('abc', 'First')");
    db.Execute("INSERT INTO Codes (Code, Title) VALUES ('xyz', 'Last')");
    Store(db, "ItemsByCategory",
          "PARAMETERS cat Text; SELECT Items.* FROM Items WHERE Category = [cat] ORDER BY Name;");
    Store(db, "ItemsBetween",
          "PARAMETERS low Double, high Double; SELECT Name FROM Items WHERE Price BETWEEN [low] "
          "AND [high] ORDER BY Name;");
    Store(db, "AllItems", "SELECT Items.* FROM Items ORDER BY Category, Name;");
    Store(db, "RaisePrices",
          "PARAMETERS cat Text, delta Double; UPDATE Items SET Price = Price + [delta] WHERE "
          "Category = [cat];");
    Store(db, "spItems", "spItems @cat @max", "ODBC;DSN=Shop");
    Store(db, "Remote", "SELECT * FROM RemoteItems", "ODBC;DSN=Shop");
    db.Close();
}

void CreatePlainStockFile(const std::string& path) {
    sqlite3* db = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(path.c_str(), &db));
    ASSERT_EQ(SQLITE_OK,
              sqlite3_exec(db,
                           "CREATE TABLE Stock (StockID INTEGER PRIMARY KEY, Name TEXT NOT NULL, "
                           "Qty INT); INSERT INTO Stock (Name, Qty) VALUES ('Bolt', 40), "
                           "('Nut', 60);",
                           nullptr, nullptr, nullptr));
    sqlite3_close(db);
}

void DataTest::SetUp() {
    SiteDatabaseTest::SetUp();
    m_shop = m_dir.file("shop.mdb");
    CreateShopDatabase(m_shop);
    TestQueryCommand::Register([this] { return std::make_unique<ClientQueryRows>(&Db()); });
}

void DataTest::TearDown() {
    TestQueryCommand::Unregister();
    parser.DeleteStatements();
    SiteDatabaseTest::TearDown();
}

QZKeyCombo DataTest::AddQuery(LONG queryId, const char* sqlName, bool table,
                              const std::string& database, const std::string& production) {
    CString sql;
    sql.Format("INSERT INTO Query (DbID, QueryID, SQLName, DatabaseName, ClientsProdDb, "
               "QueryType) VALUES (%ld, %ld, '%s', '%s', '%s', %d)",
               kDbId, queryId, sqlName, database.c_str(), production.c_str(), table ? 1 : 0);
    ExecuteOn(m_path, sql.str());
    return QZKeyCombo(kDbId, queryId, OBJ_QUERY);
}

std::string DataTest::Rows(const std::string& file, const char* sql) {
    CDaoDatabase db;
    db.OpenDataFile(file.c_str(), TRUE);
    CDaoRecordset rows(&db);
    rows.Open(dbOpenSnapshot, sql);
    std::string text;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        if (!text.empty())
            text += ";";
        for (short i = 0; i < rows.GetFieldCount(); i++) {
            COleVariant value = rows.GetFieldValue(i);
            if (value.vt != VT_NULL)
                value.ChangeType(VT_BSTR);
            text +=
                (i ? "," : "") + (value.vt == VT_NULL ? std::string("null") : value.bstrVal.str());
        }
    }
    return text;
}

ClientQueryRows::ClientQueryRows(CVantrelDb* siteDb, BOOL editable)
    : m_siteDb(siteDb), m_editable(editable) {}

ClientQueryRows::~ClientQueryRows() {
    m_set.reset();
}

// As the query run-time object opens its rows: the query record, its data database (the
// production file on a production site), the stored query, its parameters (going on whatever
// binding says) and the rows.
LONG ClientQueryRows::Open(const QZKeyCombo& key, QZVantrelContext* context) {
    CQuerySet record(m_siteDb);
    if (record.OpenByKey(key, "MQ_GetQueryByDbID_QueryID", 0) != QZRecordset::openFound)
        return -1;
    m_dataDb = std::make_unique<CDaoDatabase>();
    m_dataDb->OpenDataFile(m_siteDb->IsProductionDb() ? record.m_ClientsProdDb
                                                      : record.m_DatabaseName);
    m_set = std::make_unique<CClientQuerySet>(m_siteDb, m_dataDb.get(), context);
    m_set->OpenQueryDef(record.m_SQLName);
    m_set->BindParameters();
    if (!m_set->OpenQuery(m_editable))
        return -1;
    return m_set->GetRowCount();
}

BOOL ClientQueryRows::MoveFirst() {
    return m_set->MoveToFirst() && m_set->LoadFieldInfo();
}

BOOL ClientQueryRows::MoveNext() {
    return m_set->MoveToNext() && m_set->LoadFieldInfo();
}

// A field the rows do not have reads as Null.
COleVariant ClientQueryRows::GetFieldValue(const CString& name) {
    try {
        return m_set->GetFieldValue(name);
    } catch (CDaoException* e) {
        e->Delete();
        COleVariant null;
        null.vt = VT_NULL;
        return null;
    }
}
