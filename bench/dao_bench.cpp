// Opening one row by key through a stored query and reading its fields: through the database
// layer (query definition, parameters by position, dynaset, bound members), and the same read
// through a raw prepared SQLite statement.

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/CDaoWorkspace.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kRows = 2000;
constexpr LONG kDbId = 5;

const char* const kQueryName = "MQ_GetDocByDbID_DocID";
const char* const kQueryText =
    "PARAMETERS argDbID Long, argDocID Long; SELECT DISTINCTROW Documents.* FROM Documents "
    "WHERE (((Documents.DbID)=[argDbID]) AND ((Documents.DocID)=[argDocID]) AND "
    "((Documents.Deleted)=0));";
const char* const kRawText = "SELECT DbID, DocID, SectionID, Title, FileName, ScriptBody, "
                             "LastChanged, LastPublished, PublishFlag, Deleted, Width FROM "
                             "Documents WHERE DbID = ?1 AND DocID = ?2 AND Deleted = 0";

// A page row: the columns of a key query's result that a page object reads.
class PageSet : public CDaoRecordset {
public:
    explicit PageSet(CDaoDatabase* database) : CDaoRecordset(database) { m_nFields = 11; }
    void DoFieldExchange(CDaoFieldExchange* pFX) override {
        pFX->SetFieldType(CDaoFieldExchange::outputColumn);
        DFX_Long(pFX, "[DbID]", m_DbID);
        DFX_Long(pFX, "[DocID]", m_DocID);
        DFX_Long(pFX, "[SectionID]", m_SectionID);
        DFX_Text(pFX, "[Title]", m_Title);
        DFX_Text(pFX, "[FileName]", m_FileName);
        DFX_Text(pFX, "[ScriptBody]", m_ScriptBody);
        DFX_DateTime(pFX, "[LastChanged]", m_LastChanged);
        DFX_DateTime(pFX, "[LastPublished]", m_LastPublished);
        DFX_Byte(pFX, "[PublishFlag]", m_PublishFlag);
        DFX_Byte(pFX, "[Deleted]", m_Deleted);
        DFX_Short(pFX, "[Width]", m_Width);
    }

    LONG m_DbID = 0, m_DocID = 0, m_SectionID = 0;
    CString m_Title, m_FileName, m_ScriptBody;
    COleDateTime m_LastChanged, m_LastPublished;
    BYTE m_PublishFlag = 0, m_Deleted = 0;
    short m_Width = 0;
};

void AddField(CDaoTableDef& table, const char* name, short type, LONG size, LONG attributes,
              const char* defaultText) {
    CDaoFieldInfo info;
    info.m_strName = name;
    info.m_nType = type;
    info.m_lSize = size;
    info.m_lAttributes = attributes;
    info.m_bAllowZeroLength = type == dbText || type == dbMemo;
    info.m_lCollatingOrder = dbSortGeneral;
    info.m_strDefaultValue = defaultText;
    table.CreateField(info);
}

// A site-like database with a Documents table of kRows pages and the key query.
class Fixture {
public:
    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "mqbench-XXXXXX").string();
        m_dir = mkdtemp(pattern.data());
        m_path = m_dir + "/mq.mdb";
        CDaoDatabase db;
        db.Create(m_path.c_str());
        CDaoTableDef table(&db);
        table.Create("Documents");
        AddField(table, "DbID", dbLong, 4, dbFixedField, "0");
        AddField(table, "DocID", dbLong, 4, dbFixedField | dbAutoIncrField, "");
        AddField(table, "SectionID", dbLong, 4, dbFixedField, "0");
        AddField(table, "Title", dbText, 100, dbVariableField, "New Page");
        AddField(table, "FileName", dbText, 30, dbVariableField, "NewPage");
        AddField(table, "ScriptBody", dbMemo, 0, dbVariableField, "");
        AddField(table, "LastChanged", dbDate, 8, 0, "Now()");
        AddField(table, "LastPublished", dbDate, 8, 0, "");
        AddField(table, "PublishFlag", dbByte, 1, dbFixedField, "0");
        AddField(table, "Deleted", dbByte, 1, dbFixedField, "0");
        AddField(table, "Width", dbInteger, 2, dbFixedField, "0");
        table.Append();
        CDaoIndexFieldInfo fields[2];
        fields[0].m_strName = "DbID";
        fields[1].m_strName = "DocID";
        CDaoIndexInfo index;
        index.m_strName = "PK_Documents";
        index.m_pFieldInfos = fields;
        index.m_nFields = 2;
        index.m_bPrimary = index.m_bUnique = index.m_bRequired = TRUE;
        table.CreateIndex(index);
        index.m_pFieldInfos = nullptr;
        db.m_pWorkspace->BeginTrans();
        for (int i = 0; i < kRows; ++i)
            db.Execute("INSERT INTO Documents (DbID, Title, ScriptBody) VALUES (5, 'Page " +
                       CString(std::to_string(i)) + "', '" + CString('x', 2000) + "')");
        db.m_pWorkspace->CommitTrans();
        CDaoQueryDef query(&db);
        query.Create(kQueryName, kQueryText);
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

// As the object recordsets do it: the query definition is reopened by name, given the key and
// the recordset opened on it as a dynaset; then every bound member is read.
void BM_DaoOpenByKey(benchmark::State& state) {
    CDaoDatabase db;
    db.Open(SharedFixture().path().c_str());
    CDaoQueryDef query(&db);
    PageSet set(&db);
    LONG key = 1;
    for (auto _ : state) {
        if (query.IsOpen())
            query.Close();
        query.Open(kQueryName);
        query.SetParamValue(0, COleVariant(kDbId, VT_I4));
        query.SetParamValue(1, COleVariant(key, VT_I4));
        if (set.IsOpen())
            set.Close();
        set.Open(&query, dbOpenDynaset, dbConsistent);
        benchmark::DoNotOptimize(set.m_DocID + set.m_Title.GetLength() +
                                 set.m_ScriptBody.GetLength() + set.m_FileName.GetLength() +
                                 set.m_LastChanged.m_dt + set.m_PublishFlag + set.m_Width);
        key = key % kRows + 1;
    }
}
BENCHMARK(BM_DaoOpenByKey);

// The same read with a prepared SQLite statement: bind, step, read into the same kinds of
// variables (the date parsed from its stored text), reset.
void BM_RawSqliteByKey(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(SharedFixture().path().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v3(db, kRawText, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    LONG key = 1;
    LONG dbId = 0, docId = 0, sectionId = 0;
    CString title, fileName, body;
    COleDateTime changed, published;
    BYTE flag = 0, deleted = 0;
    short width = 0;
    auto text = [&](int column) {
        return CString(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
    };
    auto date = [&](int column, COleDateTime& out) {
        const unsigned char* value = sqlite3_column_text(statement, column);
        int y, mo, d, h, mi, s;
        if (value && std::sscanf(reinterpret_cast<const char*>(value), "%d-%d-%d %d:%d:%d", &y, &mo,
                                 &d, &h, &mi, &s) == 6)
            out.SetDateTime(y, mo, d, h, mi, s);
        else
            out.SetStatus(COleDateTime::null);
    };
    for (auto _ : state) {
        sqlite3_bind_int(statement, 1, kDbId);
        sqlite3_bind_int(statement, 2, key);
        if (sqlite3_step(statement) == SQLITE_ROW) {
            dbId = sqlite3_column_int(statement, 0);
            docId = sqlite3_column_int(statement, 1);
            sectionId = sqlite3_column_int(statement, 2);
            title = text(3);
            fileName = text(4);
            body = text(5);
            date(6, changed);
            date(7, published);
            flag = static_cast<BYTE>(sqlite3_column_int(statement, 8));
            deleted = static_cast<BYTE>(sqlite3_column_int(statement, 9));
            width = static_cast<short>(sqlite3_column_int(statement, 10));
        }
        sqlite3_reset(statement);
        benchmark::DoNotOptimize(dbId + docId + sectionId + title.GetLength() + body.GetLength() +
                                 fileName.GetLength() + changed.m_dt + flag + deleted + width +
                                 published.m_dt);
        key = key % kRows + 1;
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}
BENCHMARK(BM_RawSqliteByKey);

} // namespace
