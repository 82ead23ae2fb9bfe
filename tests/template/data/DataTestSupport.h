#pragma once
// Data databases for the template's data tests: a shop database of ours (tables, stored
// queries, one pass-through procedure), a plain SQLite file made as another program would,
// and Query rows of the site database that name them.

#include "db/QZKeyCombo.h"
#include "tests/db/SiteDatabaseFixture.h"
#include "tests/template/TemplatePage.h"
#include "tests/template/TestQueryCommand.h"

#include <memory>
#include <string>

class CActionSet;
class CClientQuerySet;
class CDaoDatabase;

// Makes the shop database at path:
//   Items: ItemID counter (primary key), Name Text 40 required, Category Text 20, Code Text 10
//          refusing zero length, Price Double, Notes Memo;
//   OrderLines: OrderID Long, Line Long (primary key on both), Qty Integer;
//   Codes: Code Text 10 (primary key), Title Text 40;
//   stored queries ItemsByCategory (cat), ItemsBetween (low, high), AllItems, RaisePrices
//   (UPDATE by cat and delta), and the pass-through spItems and Remote.
// `tag` is added to the names of the items, to tell files apart.
void CreateShopDatabase(const std::string& path, const char* tag = "");

// A plain SQLite file: Stock (StockID INTEGER PRIMARY KEY, Name TEXT NOT NULL, Qty INT).
void CreatePlainStockFile(const std::string& path);

// A site database with an open application database, a page to run templates on, the shop
// database in the temporary folder and the query command stand-in reading it.
class DataTest : public SiteDatabaseTest, public TemplatePage {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a Query row (DbID kDbId) for a table (`table` true) or stored query of the file.
    QZKeyCombo AddQuery(LONG queryId, const char* sqlName, bool table, const std::string& database,
                        const std::string& production = "");
    // The rows of a table of a data file as "a,b;c,d" (columns in order, rows by the first).
    std::string Rows(const std::string& file, const char* sql);

    std::string m_shop;
};

// The rows of a query object read through CClientQuerySet, as the query command's run-time
// object reads them.
class ClientQueryRows : public TestQueryRows {
public:
    ClientQueryRows(CVantrelDb* siteDb, BOOL editable = FALSE);
    ~ClientQueryRows() override;

    LONG Open(const QZKeyCombo& key, QZVantrelContext* context) override;
    BOOL MoveFirst() override;
    BOOL MoveNext() override;
    COleVariant GetFieldValue(const CString& name) override;

    CClientQuerySet* Set() const { return m_set.get(); }

private:
    CVantrelDb* m_siteDb;
    BOOL m_editable;
    std::unique_ptr<CDaoDatabase> m_dataDb;
    std::unique_ptr<CClientQuerySet> m_set;
};
