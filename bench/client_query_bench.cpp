// A query page's read of a data database: 10,000 rows of five fields, each field read by name
// through the client query set, as the fields of a query's rows are read in a page; once over
// a snapshot (the query command's usual open) and once over an editable dynaset, whose rows
// are read afresh as the set moves to them. Items per second is rows per second.

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/CDaoWorkspace.h"
#include "template/data/CClientQuerySet.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kRows = 10000;
const char* const kFields[] = {"ItemID", "Name", "Category", "Price", "Added"};

void AddField(CDaoTableDef& table, const char* name, short type, LONG size, LONG attributes) {
    CDaoFieldInfo info;
    info.m_strName = name;
    info.m_nType = type;
    info.m_lSize = size;
    info.m_lAttributes = attributes;
    info.m_bAllowZeroLength = type == dbText;
    info.m_lCollatingOrder = dbSortGeneral;
    table.CreateField(info);
}

// A data database with an Items table of kRows rows and the stored query AllItems.
class Fixture {
public:
    Fixture() {
        char pattern[] = "/tmp/mqbench-XXXXXX";
        m_dir = mkdtemp(pattern);
        m_path = m_dir + "/shop.mdb";
        CDaoDatabase db;
        db.Create(m_path.c_str());
        CDaoTableDef table(&db);
        table.Create("Items");
        AddField(table, "ItemID", dbLong, 4, dbFixedField | dbAutoIncrField);
        AddField(table, "Name", dbText, 40, dbVariableField);
        AddField(table, "Category", dbText, 20, dbVariableField);
        AddField(table, "Price", dbDouble, 8, dbFixedField);
        AddField(table, "Added", dbDate, 8, dbFixedField);
        table.Append();
        CDaoIndexFieldInfo field;
        field.m_strName = "ItemID";
        CDaoIndexInfo index;
        index.m_strName = "PrimaryKey";
        index.m_pFieldInfos = &field;
        index.m_nFields = 1;
        index.m_bPrimary = index.m_bUnique = index.m_bRequired = TRUE;
        table.CreateIndex(index);
        index.m_pFieldInfos = nullptr;
        db.m_pWorkspace->BeginTrans();
        for (int i = 0; i < kRows; ++i)
            db.Execute("INSERT INTO Items (Name, Category, Price, Added) VALUES ('Item " +
                       CString(std::to_string(i)) + "', 'Category " +
                       CString(std::to_string(i % 20)) + "', " + CString(std::to_string(i)) +
                       ".25, '2024-03-01 10:00:00')");
        db.m_pWorkspace->CommitTrans();
        CDaoQueryDef query(&db);
        query.Create("AllItems", "SELECT * FROM Items ORDER BY ItemID;");
        query.Append();
    }
    ~Fixture() { std::filesystem::remove_all(m_dir); }
    const std::string& path() const { return m_path; }

private:
    std::string m_dir;
    std::string m_path;
};

Fixture& SharedFixture() {
    static Fixture fixture;
    return fixture;
}

void ReadAllRows(benchmark::State& state, BOOL editable) {
    CDaoDatabase db;
    db.OpenDataFile(SharedFixture().path().c_str());
    for (auto _ : state) {
        CClientQuerySet set(nullptr, &db, nullptr);
        set.OpenQueryDef("AllItems");
        set.BindParameters();
        set.OpenQuery(editable);
        long rows = 0;
        for (BOOL more = set.MoveToFirst(); more; more = set.MoveToNext()) {
            set.LoadFieldInfo();
            for (const char* field : kFields)
                benchmark::DoNotOptimize(set.GetFieldValue(field));
            rows++;
        }
        if (rows != kRows)
            state.SkipWithError("not every row was read");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_ClientQuerySnapshot(benchmark::State& state) {
    ReadAllRows(state, FALSE);
}
BENCHMARK(BM_ClientQuerySnapshot)->Unit(benchmark::kMillisecond);

void BM_ClientQueryEditableDynaset(benchmark::State& state) {
    ReadAllRows(state, TRUE);
}
BENCHMARK(BM_ClientQueryEditableDynaset)->Unit(benchmark::kMillisecond);

} // namespace
