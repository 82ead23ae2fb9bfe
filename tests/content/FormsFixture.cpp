#include "tests/content/FormsFixture.h"

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"

#include <filesystem>

namespace {

void AddField(CDaoTableDef& table, const char* name, short type, LONG size, bool required,
              bool counter = false) {
    CDaoFieldInfo info;
    info.m_strName = name;
    info.m_nType = type;
    info.m_lSize = size;
    info.m_lAttributes = dbUpdatableField | (counter ? dbAutoIncrField : 0);
    info.m_bRequired = required;
    info.m_bAllowZeroLength = !required;
    info.m_lCollatingOrder = dbSortGeneral;
    table.CreateField(info);
}

void AddPrimaryKey(CDaoTableDef& table, const char* field) {
    CDaoIndexFieldInfo fields[1];
    fields[0].m_strName = field;
    CDaoIndexInfo index;
    index.m_strName = "PrimaryKey";
    index.m_pFieldInfos = fields;
    index.m_nFields = 1;
    index.m_bPrimary = index.m_bUnique = index.m_bRequired = TRUE;
    table.CreateIndex(index);
    index.m_pFieldInfos = nullptr;
}

void Store(CDaoDatabase& db, const char* name, const char* sql) {
    CDaoQueryDef query(&db);
    query.Create(name, sql);
    query.Append();
}

} // namespace

void FormsTest::SetUp() {
    GenerationTest::SetUp();
    std::filesystem::create_directories(UnderRoot("data"));
    CreateShopFile(ShopFile(), "");
    CreateShopFile(UnderRoot("data/shop-prod.mdb"), " (prod)");
    CreateShopFile(UnderRoot("data/service.mdb"), " (service)");
    CreateShopFile(UnderRoot("data/service-prod.mdb"), " (service prod)");
    ExecuteOn(m_path, "UPDATE Services SET ClientsDb = 'C:\\data\\service.mdb', "
                      "ClientsProdDb = 'C:\\data\\service-prod.mdb' WHERE ServiceID = 10");
    AddQuery(kByCategory, "ProductsByCategory", false, "C:\\data\\shop.mdb",
             "C:\\data\\shop-prod.mdb");
    AddQuery(kOrders, "AllOrders", false, "C:\\data\\shop.mdb");
    AddQuery(kServiceRows, "AllProducts", false, "");
    AddQuery(kProducts, "Products", true, "C:\\data\\shop.mdb");
    AddQuery(kOrderTable, "Orders", true, "C:\\data\\shop.mdb");
    AddQuery(kRaise, "RaisePrices", false, "C:\\data\\shop.mdb");
    AddQuery(kNoFile, "Products", true, "C:\\data\\missing.mdb");
}

void FormsTest::CreateShopFile(const std::string& path, const std::string& tag) {
    CDaoDatabase db;
    db.Create(path.c_str());
    {
        CDaoTableDef products(&db);
        products.Create("Products");
        AddField(products, "ProductID", dbLong, 4, false, true);
        AddField(products, "Name", dbText, 40, true);
        AddField(products, "Category", dbText, 20, false);
        AddField(products, "Price", dbDouble, 8, false);
        AddField(products, "Notes", dbMemo, 0, false);
        AddField(products, "Added", dbDate, 8, false);
        products.Append();
        AddPrimaryKey(products, "ProductID");
        CDaoTableDef orders(&db);
        orders.Create("Orders");
        AddField(orders, "OrderID", dbLong, 4, false, true);
        AddField(orders, "Customer", dbText, 40, true);
        AddField(orders, "Qty", dbLong, 4, false);
        orders.Append();
        AddPrimaryKey(orders, "OrderID");
    }
    const char* rows[][3] = {{"Hammer", "tools", "12.5"},
                             {"Saw", "tools", "20"},
                             {"Drill", "tools", "99.5"},
                             {"Apple", "food", "0.5"}};
    for (const auto& row : rows) {
        CString sql;
        sql.Format("INSERT INTO Products (Name, Category, Price) VALUES ('%s%s', '%s', %s)", row[0],
                   tag.c_str(), row[1], row[2]);
        db.Execute(sql);
    }
    Store(db, "ProductsByCategory",
          "PARAMETERS cat Text; SELECT Name, Price FROM Products WHERE Category = [cat] "
          "ORDER BY Price;");
    Store(db, "AllProducts", "SELECT Name FROM Products ORDER BY Name;");
    Store(db, "AllOrders", "SELECT OrderID, Customer FROM Orders ORDER BY OrderID;");
    Store(db, "RaisePrices",
          "PARAMETERS delta Double; UPDATE Products SET Price = Price + [delta];");
    db.Close();
}

void FormsTest::AddQuery(LONG id, const std::string& sqlName, bool table,
                         const std::string& database, const std::string& production) {
    Insert("Query",
           "DbID, QueryID, QueryName, SQLName, DatabaseName, ClientsProdDb, QueryType, "
           "ServiceDbID, ServiceID, Deleted",
           "5, " + std::to_string(id) + ", 'Query " + std::to_string(id) + "', " + Quote(sqlName) +
               ", " + Quote(database) + ", " + Quote(production) + ", " + (table ? "1" : "0") +
               ", 5, 10, 0");
}

void FormsTest::AddForm(LONG id, const std::string& title, const std::string& text,
                        const std::string& action) {
    AddRow(ContentKindOf(OBJ_FORM), id, title, "ScriptBody, ActionBody, ServiceDbID, ServiceID",
           Quote(text) + ", " + Quote(action) + ", 5, 10");
}

void FormsTest::AddEvent(LONG id, const std::string& title, const std::string& text) {
    AddRow(ContentKindOf(OBJ_EVENT), id, title, "ScriptBody, ServiceDbID, ServiceID",
           Quote(text) + ", 5, 10");
}

void FormsTest::AddScript(LONG id, const std::string& title, const std::string& language,
                          const std::string& type, const std::string& text) {
    AddRow(ContentKindOf(OBJ_SCRIPT), id, title,
           "Language, Type, ScriptBody, ServiceDbID, ServiceID, SectionDbID, SectionID",
           Quote(language) + ", " + Quote(type) + ", " + Quote(text) + ", 5, 10, 5, 20");
}

void FormsTest::AddMessage(LONG id, const std::string& title, const std::string& text) {
    AddRow(ContentKindOf(OBJ_MESSAGE), id, title, "Body, ServiceDbID, ServiceID",
           Quote(text) + ", 5, 10");
}

std::string FormsTest::DataRows(const std::string& file, const std::string& sql) {
    CDaoDatabase db;
    db.OpenDataFile(file.c_str(), TRUE);
    CDaoRecordset rows(&db);
    rows.Open(dbOpenSnapshot, sql.c_str());
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
    rows.Close();
    db.Close();
    return text;
}

std::vector<std::string> FormsTest::TakeLines() {
    std::vector<std::string> lines = m_messages.displays();
    m_messages.Clear();
    return lines;
}
