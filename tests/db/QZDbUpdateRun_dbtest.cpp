// Creating a new site database, and bringing an older one up to the expected version without
// ever leaving it damaged.

#include "db/QZDbUpdate.h"
#include "db/QZDbUpdateFaults.h"
#include "db/QZStoredQueryTexts.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"
#include "tests/support/ChildProcess.h"
#include "tests/db/SeededSite.h"
#include "tests/db/SiteDatabaseFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr LONG kOldDbId = 7;

std::string Bytes(const std::string& path) {
    std::stringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// Compared without printing the files when they differ.
bool SameBytes(const std::string& a, const std::string& b) {
    return a == b;
}

bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}

std::string Unchanged(const std::string& path) {
    return "The update was abandoned: the database " + path + " has not been changed.";
}

const std::string kNewer = "You cannot update a database newer than 1.30!\n\n Please obtain a "
                           "newer executable of this program!";
const std::string kUnreadable =
    "The version of this database cannot be read!\n\n The database has not been changed.";
const std::string kSeveralRows =
    "This database has more than one version row!\n\n The database has not been changed.";
const std::string kRestoreFailed =
    "Error in restoring your original data! Reverting to original database.";
const std::string kRestored =
    "Your data has been SUCCESSFULLY restored to it's original condition.\nDO NOT PROCEED!\n"
    "Call Zerin Technical Support.\nProgram ABORTED!";

// The tables whose rows an update keeps.
const char* const kKeptTables[] = {"Authors",       "MQ_ActiveX",         "MQ_Ad",
                                   "MQ_Advertiser", "MQ_AdSpace",         "MQ_ClickThroughs",
                                   "MQ_Java",       "MQ_Media",           "MQ_PageImpressions",
                                   "MQ_Script",     "MQ_Events",          "ComponentsInstalled",
                                   "Marquill",      "CurrentUsers",       "Dependents",
                                   "Documents",     "MQ_DynamicRequests", "Forms",
                                   "Images",        "Messages",           "PhotoImages",
                                   "Query",         "Sections",           "Services",
                                   "Styles",        "Templates"};

std::map<std::string, long> RowCounts(const std::string& path) {
    std::map<std::string, long> counts;
    for (const char* table : kKeptTables)
        counts[table] = CountRows(path, std::string("SELECT * FROM [") + table + "]");
    return counts;
}

// Every table of the file that is not the engine's own.
std::set<std::string> Tables(CDaoDatabase& db) {
    std::set<std::string> names;
    for (short i = 0; i < db.GetTableDefCount(); ++i) {
        CDaoTableDefInfo info;
        db.GetTableDefInfo(i, info);
        if ((info.m_lAttributes & dbSystemObject) == 0)
            names.insert(info.m_strName.str());
    }
    return names;
}

std::map<std::string, std::string> Queries(CDaoDatabase& db) {
    std::map<std::string, std::string> queries;
    for (short i = 0; i < db.GetQueryDefCount(); ++i) {
        CDaoQueryDefInfo info;
        db.GetQueryDefInfo(i, info, AFX_DAO_ALL_INFO);
        queries[info.m_strName.str()] = info.m_strSQL.str();
    }
    return queries;
}

std::vector<std::string> FieldNames(CDaoDatabase& db, const char* table) {
    CDaoTableDef def(&db);
    def.Open(table);
    std::vector<std::string> names;
    for (short i = 0; i < def.GetFieldCount(); ++i) {
        CDaoFieldInfo info;
        def.GetFieldInfo(i, info);
        names.push_back(info.m_strName.str());
    }
    return names;
}

bool IsAutoNumbered(CDaoDatabase& db, const char* table, const char* field) {
    CDaoTableDef def(&db);
    def.Open(table);
    CDaoFieldInfo info;
    def.GetFieldInfo(field, info, AFX_DAO_ALL_INFO);
    return (info.m_lAttributes & dbAutoIncrField) != 0;
}

// The values of one column in the order of the selection, as text ("null" for none).
std::vector<std::string> Column(CDaoDatabase& db, const std::string& sql) {
    CDaoRecordset set(&db);
    set.Open(dbOpenSnapshot, sql.c_str());
    std::vector<std::string> values;
    for (; !set.IsEOF(); set.MoveNext()) {
        COleVariant value = set.GetFieldValue(0);
        if (value.vt == VT_NULL)
            values.push_back("null");
        else {
            value.ChangeType(VT_BSTR);
            values.push_back(value.bstrVal.str());
        }
    }
    return values;
}

void AddQuery(CDaoDatabase& db, const char* name, const char* sql) {
    CDaoQueryDef query(&db);
    query.Create(name, sql);
    query.Append();
}

void MakeTable(CDaoDatabase& db, const char* name,
               std::initializer_list<std::tuple<const char*, short, LONG>> fields) {
    CDaoTableDef def(&db);
    def.Create(name);
    for (const auto& [field, type, attributes] : fields)
        def.CreateField(field, type, type == dbText ? 50 : 4, attributes);
    def.Append();
}

// A site database as an older version of the program left it: its version row says
// `version`; Authors lacks the column Active and has an old column Nickname, with numbers that
// have gaps; Documents has gaps too; the two tables of old versions are there; the stored
// queries hold an old text of a current query, a query of an old set (MQ_ and REM_) and queries
// of the user's own. The other tables hold the seeded site's rows.
void MakeOldSite(const std::string& path, const std::string& version,
                 const std::string& miscellaneous = "") {
    CreateSiteDatabase(path, kOldDbId, miscellaneous.c_str());
    CDaoDatabase db;
    db.Open(path.c_str(), TRUE);
    db.Execute(("UPDATE Marquill SET VersionNumber = '" + version + "'").c_str());
    db.DeleteTableDef("Authors");
    MakeTable(db, "Authors",
              {{"DbID", dbLong, dbFixedField},
               {"AuthorID", dbLong, dbFixedField | dbAutoIncrField},
               {"AuthorName", dbText, dbVariableField},
               {"Deleted", dbByte, dbFixedField},
               {"Nickname", dbText, dbVariableField}});
    MakeTable(db, "DynamicRequests", {{"Hits", dbLong, dbFixedField}});
    MakeTable(db, "Subscribers", {{"Email", dbText, dbVariableField}});
    for (const std::string& sql : SeededSiteStatements(kOldDbId))
        if (sql.rfind("INSERT INTO [Authors]", 0) != 0)
            db.Execute(sql.c_str());
    db.Execute("INSERT INTO Authors (DbID, AuthorID, AuthorName, Deleted, Nickname) VALUES "
               "(7, 1, 'Ann', 0, 'A'), (7, 2, 'Bea', 0, 'B'), (7, 5, 'Cid', 1, 'C'), "
               "(7, 9, 'Dee', 0, 'D')");
    db.Execute("INSERT INTO Documents (DbID, DocID, Title) VALUES (7, 7, 'Seven'), "
               "(7, 40, 'Forty')");
    db.Execute("INSERT INTO DynamicRequests (Hits) VALUES (3)");
    db.Execute("INSERT INTO Subscribers (Email) VALUES ('someone@example.com')");
    db.DeleteQueryDef("MQ_GetListServices");
    AddQuery(db, "MQ_GetListServices", "SELECT Services.Name FROM Services;");
    AddQuery(db, "MQ_GetListRetired", "SELECT Authors.AuthorName FROM Authors;");
    AddQuery(db, "REM_Retired", "SELECT Authors.AuthorID FROM Authors;");
    AddQuery(db, "mq_Lower", "SELECT Styles.StyleName FROM Styles;");
    AddQuery(db, "rem_Lower", "SELECT Forms.Title FROM Forms;");
    AddQuery(db, "SiteReport", "SELECT Documents.Title FROM Documents;");
    db.Close();
}

class UpdateDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override { m_path = m_dir.file("mq.mdb"); }
    void TearDown() override { QZDbUpdateFaults::SetFailingStep(nullptr); }

    // Runs an update of m_path and checks that the file did not change.
    int UpdateLeavingFileUnchanged(QZDbUpdate& update) {
        std::string before = Bytes(m_path);
        int result = update.UpdateDatabase(m_path.c_str(), 1);
        EXPECT_TRUE(SameBytes(before, Bytes(m_path))) << "the file changed";
        EXPECT_FALSE(Exists(m_dir.file("mq.OLD"))) << "no backup of an unchanged file stays";
        EXPECT_FALSE(Exists(m_dir.file("TMP__TMP.mdb")));
        return result;
    }

    TempDir m_dir;
    std::string m_path;
    MessageBoxRecorder m_boxes;
};

TEST_F(UpdateDatabaseTest, OldSiteReachesTheExpectedVersionWithEveryRowAndNumberKept) {
    MakeOldSite(m_path, "1.4", "Site of the week");
    std::map<std::string, long> counts = RowCounts(m_path);

    QZDbUpdate update;
    ASSERT_EQ(QZDbUpdate::updateDone, update.UpdateDatabase(m_path.c_str(), 1));
    EXPECT_TRUE(m_boxes.texts().empty());
    EXPECT_EQ(CString(m_dir.file("mq.OLD").c_str()), update.GetBackupPath());
    EXPECT_EQ(counts, RowCounts(m_dir.file("mq.OLD"))) << "the backup holds the old rows";
    EXPECT_EQ(1, CountRows(m_dir.file("mq.OLD"), "SELECT * FROM Marquill WHERE VersionNumber = "
                                                 "'1.4'"));
    EXPECT_FALSE(Exists(m_dir.file("TMP__TMP.mdb")));

    CDaoDatabase db;
    db.Open(m_path.c_str());
    EXPECT_EQ((std::vector<std::string>{"7", "1.30", "Site of the week"}),
              (std::vector<std::string>{Column(db, "SELECT DbID FROM Marquill")[0],
                                        Column(db, "SELECT VersionNumber FROM Marquill")[0],
                                        Column(db, "SELECT Miscellaneous FROM Marquill")[0]}));
    counts["Semaphor"] = 0; // claims of sessions that no longer run go
    std::map<std::string, long> after = RowCounts(m_path);
    after["Semaphor"] = CountRows(m_path, "SELECT * FROM Semaphor");
    EXPECT_EQ(counts, after);
    EXPECT_EQ(27, counts["Dependents"]);

    // Numbers with gaps stay as they were, and new rows go on after the highest.
    EXPECT_EQ((std::vector<std::string>{"1", "2", "5", "9"}),
              Column(db, "SELECT AuthorID FROM Authors ORDER BY AuthorID"));
    EXPECT_EQ((std::vector<std::string>{"1", "2", "7", "40"}),
              Column(db, "SELECT DocID FROM Documents ORDER BY DocID"));
    EXPECT_TRUE(IsAutoNumbered(db, "Documents", "DocID"));
    CDaoRecordset added(&db);
    added.Open(dbOpenDynaset, "SELECT * FROM Documents");
    added.AddNew();
    added.SetFieldValue("DbID", COleVariant(kOldDbId));
    added.Update();
    added.SetBookmark(added.GetLastModifiedBookmark());
    EXPECT_EQ(41, added.GetFieldValue("DocID").lVal);
    added.Close();

    // The old column is gone; the new one holds its default in every copied row.
    EXPECT_EQ((std::vector<std::string>{"DbID", "AuthorID", "AuthorPassword", "Active", "Deleted",
                                        "AuthorName"}),
              FieldNames(db, "Authors"));
    EXPECT_EQ((std::vector<std::string>{"1", "1", "1", "1"}),
              Column(db, "SELECT Active FROM Authors ORDER BY AuthorID"));
    EXPECT_EQ((std::vector<std::string>{"Ann", "Bea", "Cid", "Dee"}),
              Column(db, "SELECT AuthorName FROM Authors ORDER BY AuthorID"));

    std::set<std::string> tables = Tables(db);
    EXPECT_EQ(27u, tables.size());
    EXPECT_FALSE(tables.count("DynamicRequests"));
    EXPECT_FALSE(tables.count("Subscribers"));

    // The current set replaces every MQ_ and REM_ query; the user's own stay as they were.
    std::map<std::string, std::string> expected;
    for (const QZStoredQueryText& query : QZStoredQueryTexts::All())
        expected[query.name] = query.sql;
    expected["mq_Lower"] = "SELECT Styles.StyleName FROM Styles;";
    expected["rem_Lower"] = "SELECT Forms.Title FROM Forms;";
    expected["SiteReport"] = "SELECT Documents.Title FROM Documents;";
    EXPECT_EQ(expected, Queries(db));
    db.Close();

    CVantrelDb site(m_path.c_str());
    ASSERT_EQ(1, site.OpenDatabase(0));
    EXPECT_EQ(kOldDbId, site.GetDbId());
}

TEST_F(UpdateDatabaseTest, OnlyAProductionMarkKeepsKeyColumnsPlain) {
    const std::pair<const char*, bool> cases[] = {
        {"Production", false}, {"production", false},     {"PRODUCT", true},
        {"Productions", true}, {"Production site", true}, {"", true},
    };
    for (const auto& [mark, autoNumbered] : cases) {
        SCOPED_TRACE(mark);
        std::filesystem::remove_all(m_dir.path());
        std::filesystem::create_directory(m_dir.path());
        CreateSiteDatabase(m_path, kOldDbId, mark, 0);
        ExecuteOn(m_path, "UPDATE Marquill SET VersionNumber = '1.29'");
        QZDbUpdate update;
        ASSERT_EQ(QZDbUpdate::updateDone, update.UpdateDatabase(m_path.c_str(), 1));
        CDaoDatabase db;
        db.Open(m_path.c_str());
        EXPECT_EQ(autoNumbered, IsAutoNumbered(db, "Documents", "DocID"));
        EXPECT_EQ(autoNumbered, IsAutoNumbered(db, "Authors", "AuthorID"));
    }
}

TEST_F(UpdateDatabaseTest, EachUpdateLeavesABackupOfItsOwnBesideTheFile) {
    std::filesystem::create_directory(m_dir.path() / "Sites.v1");
    std::string path = m_dir.file("Sites.v1/mq.mdb");
    MakeOldSite(path, "1.29");
    QZDbUpdate update;
    for (const char* backup : {"mq.OLD", "mq.OLD2", "mq.OLD3"}) {
        // Each backup holds the file as that update found it.
        ExecuteOn(path, std::string("UPDATE Documents SET Title = '") + backup + "'");
        ASSERT_EQ(QZDbUpdate::updateDone, update.UpdateDatabase(path.c_str(), 1)) << backup;
        std::string expected = m_dir.file(std::string("Sites.v1/") + backup);
        EXPECT_EQ(CString(expected.c_str()), update.GetBackupPath());
        EXPECT_EQ(4, CountRows(expected, std::string("SELECT * FROM Documents WHERE Title = '") +
                                             backup + "'"));
    }
    EXPECT_TRUE(m_boxes.texts().empty());
    EXPECT_FALSE(Exists(m_dir.file("Sites.OLD")));
}

TEST_F(UpdateDatabaseTest, VersionThatIsNewerOrUnreadableIsRefused) {
    const std::pair<const char*, std::string> cases[] = {
        {"UPDATE Marquill SET VersionNumber = '1.100'", kNewer},
        {"UPDATE Marquill SET VersionNumber = '2.0'", kNewer},
        {"UPDATE Marquill SET VersionNumber = '1.30a'", kUnreadable},
        {"UPDATE Marquill SET VersionNumber = ''", kUnreadable},
        {"UPDATE Marquill SET VersionNumber = Null", kUnreadable},
        {"DELETE FROM Marquill", kUnreadable},
        {"INSERT INTO Marquill (DbID, VersionNumber) VALUES (8, '1.29')", kSeveralRows},
    };
    for (const auto& [change, message] : cases) {
        SCOPED_TRACE(change);
        std::filesystem::remove(m_path);
        CreateSiteDatabase(m_path, kOldDbId);
        ExecuteOn(m_path, change);
        m_boxes.Clear();
        QZDbUpdate update;
        EXPECT_EQ(QZDbUpdate::updateFailed, UpdateLeavingFileUnchanged(update));
        EXPECT_EQ(std::vector<std::string>{message}, m_boxes.texts());
    }
}

TEST_F(UpdateDatabaseTest, FileWithoutVersionTableIsRefused) {
    CreateSiteDatabase(m_path, kOldDbId);
    {
        CDaoDatabase db;
        db.Open(m_path.c_str());
        db.DeleteTableDef("Marquill");
    }
    QZDbUpdate update;
    EXPECT_EQ(QZDbUpdate::updateFailed, UpdateLeavingFileUnchanged(update));
    EXPECT_EQ(std::vector<std::string>{kUnreadable}, m_boxes.texts());
}

TEST_F(UpdateDatabaseTest, FileOpenInAnotherProgramIsRefusedUntouched) {
    CreateSiteDatabase(m_path, kOldDbId);
    ExecuteOn(m_path, "UPDATE Marquill SET VersionNumber = '1.29'");
    TempDir talk;
    ChildProcess other(
        "claim",
        {{"DB", m_path}, {"USER", "7:100"}, {"KEY", "7:1"}, {"DIR", talk.path().string()}});
    ASSERT_FALSE(WaitForFile(talk.file("claimed")).empty());
    std::string before = Bytes(m_path);
    LONG code = 0;
    QZDbUpdate update;
    try {
        update.UpdateDatabase(m_path.c_str(), 1);
    } catch (CDaoException* e) {
        code = CaughtDaoError(e).Code();
    }
    EXPECT_EQ(daoErrFileInUse, code);
    EXPECT_TRUE(m_boxes.texts().empty()) << "the caller shows the engine's text";
    WriteFileAtomically(talk.file("release"), "");
    EXPECT_EQ(0, other.Wait());
    EXPECT_TRUE(SameBytes(before, Bytes(m_path))) << "the file changed";
    EXPECT_FALSE(Exists(m_dir.file("mq.OLD")));
    EXPECT_FALSE(Exists(m_dir.file("TMP__TMP.mdb")));
}

// A program that died with the file open leaves its last writes in the engine's log beside the
// file; they belong to the old file and must not reach the new one.
TEST_F(UpdateDatabaseTest, WritesLeftByAProgramThatDiedAreKeptAndNotReplayedOnTheNewFile) {
    CreateSiteDatabase(m_path, kOldDbId);
    ExecuteOn(m_path, "UPDATE Marquill SET VersionNumber = '1.29'");
    ExecuteOn(m_path, "INSERT INTO Authors (DbID, AuthorID, AuthorName) VALUES (7, 1, 'Ann')");
    TempDir talk;
    ChildProcess died("claim", {{"DB", m_path},
                                {"USER", "7:100"},
                                {"KEY", "7:1"},
                                {"DIR", talk.path().string()},
                                {"DIE", "1"}});
    ASSERT_EQ("1", WaitForFile(talk.file("claimed")));
    died.Wait();
    ASSERT_TRUE(Exists(m_path + "-wal"));

    QZDbUpdate update;
    ASSERT_EQ(QZDbUpdate::updateDone, update.UpdateDatabase(m_path.c_str(), 1));
    EXPECT_TRUE(m_boxes.texts().empty());
    EXPECT_FALSE(Exists(m_path + "-wal"));
    EXPECT_EQ(1, CountRows(m_dir.file("mq.OLD"), "SELECT * FROM Semaphor"))
        << "the backup holds the dead program's last write";
    CVantrelDb site(m_path.c_str());
    ASSERT_EQ(1, site.OpenDatabase(0)) << ::testing::PrintToString(m_boxes.texts());
    LONG dbId = 0;
    CString version;
    site.GetDbIdAndVersion(&dbId, version);
    EXPECT_EQ(CString("1.30"), version);
    EXPECT_EQ(120, site.GetQueryDefCount());
    site.Close();
    EXPECT_EQ(1, CountRows(m_path, "SELECT * FROM Authors WHERE AuthorName = 'Ann'"));
    EXPECT_EQ(0, CountRows(m_path, "SELECT * FROM Semaphor"));
}

// The version and the row counts of the kept tables of a site database, read through one open;
// an empty version when the file does not open as a site database.
struct SiteState {
    std::string version;
    std::map<std::string, long> counts;
};

SiteState ReadSite(const std::string& path) {
    SiteState state;
    std::string error = EngineErrorText([&] {
        CDaoDatabase db;
        db.Open(path.c_str());
        std::vector<std::string> versions = Column(db, "SELECT VersionNumber FROM Marquill");
        for (const char* table : kKeptTables)
            state.counts[table] =
                static_cast<long>(Column(db, std::string("SELECT 1 FROM [") + table + "]").size());
        if (versions.size() == 1)
            state.version = versions[0];
    });
    if (!error.empty())
        state.version.clear();
    return state;
}

// The files of the folder named as backups are ("mq.OLD", "mq.OLD2", ...).
std::vector<std::string> BackupFiles(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        std::string name = entry.path().filename().string();
        if (name.rfind("mq.OLD", 0) == 0 &&
            name.find_first_not_of("0123456789", 6) == std::string::npos)
            names.push_back(entry.path().string());
    }
    return names;
}

int KillTrials() {
    const char* value = std::getenv("MQ_UPDATE_KILL_TRIALS");
    return value != nullptr && std::atoi(value) > 0 ? std::atoi(value) : 20;
}

void PutBack(const std::string& path, const std::string& bytes) {
    for (const char* suffix : {"-wal", "-shm"})
        std::filesystem::remove(path + suffix);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// An update killed at any moment (MQ_UPDATE_KILL_TRIALS times) leaves the file as it was or
// wholly updated, and under a backup's name only a whole copy of the old file; what a killed
// update left does not stand in the way of the next one.
TEST_F(UpdateDatabaseTest, UpdateKilledAtAnyMomentLeavesTheFileOldOrWhollyUpdated) {
    MakeOldSite(m_path, "1.4");
    {
        // Some megabytes in a table of the user's own, so that copying the file takes a fair
        // share of the update's time and kills fall inside the copies too.
        CDaoDatabase db;
        db.Open(m_path.c_str());
        MakeTable(db, "Archive", {{"Notes", dbMemo, dbVariableField}});
        db.Execute(
            ("INSERT INTO Archive (Notes) VALUES ('" + std::string(4000, 'a') + "')").c_str());
        for (int i = 0; i < 11; ++i)
            db.Execute("INSERT INTO Archive (Notes) SELECT Notes FROM Archive");
    }
    const SiteState old = ReadSite(m_path);
    ASSERT_EQ("1.4", old.version);
    const std::string original = Bytes(m_path);

    // How long an update takes in another program, from its start.
    auto updateInChild = [&](int killAfterMs) {
        TempDir talk;
        ChildProcess child("update", {{"DB", m_path}, {"DIR", talk.path().string()}});
        EXPECT_EQ("1", WaitForFile(talk.file("started")));
        auto start = std::chrono::steady_clock::now();
        child.Wait(killAfterMs);
        return std::make_pair(std::chrono::steady_clock::now() - start,
                              WaitForFile(talk.file("updated"), 0));
    };
    auto [took, said] = updateInChild(60000);
    ASSERT_EQ("1 0", said);
    PutBack(m_path, original);
    const long span = std::chrono::duration_cast<std::chrono::milliseconds>(took).count() + 20;

    std::mt19937 random(std::random_device{}());
    std::set<std::string> checked;
    int untouched = 0, updated = 0;
    for (int trial = 0; trial < KillTrials(); ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        updateInChild(static_cast<int>(random() % static_cast<unsigned long>(span)));
        if (SameBytes(original, Bytes(m_path))) {
            ++untouched;
        } else {
            ++updated;
            SiteState now = ReadSite(m_path);
            EXPECT_EQ("1.30", now.version) << "the file is neither old nor updated";
            EXPECT_EQ(old.counts, now.counts);
            PutBack(m_path, original);
        }
        for (const std::string& backup : BackupFiles(m_dir)) {
            if (!checked.insert(backup).second)
                continue;
            SiteState kept = ReadSite(backup);
            EXPECT_EQ("1.4", kept.version) << backup << " is no backup of the old file";
            EXPECT_EQ(old.counts, kept.counts) << backup;
        }
    }
    std::printf("updates killed: %d left the file untouched, %d updated; %zu backups\n", untouched,
                updated, checked.size());

    QZDbUpdate update;
    ASSERT_EQ(QZDbUpdate::updateDone, update.UpdateDatabase(m_path.c_str(), 1));
    EXPECT_EQ("1.30", ReadSite(m_path).version);
    EXPECT_FALSE(Exists(m_dir.file("TMP__TMP.mdb")));
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.path()))
        EXPECT_EQ(std::string::npos, entry.path().filename().string().find(".partial-"))
            << entry.path();
}

TEST_F(UpdateDatabaseTest, MissingFileRaisesTheEnginesError) {
    QZDbUpdate update;
    std::string text = EngineErrorText([&] { update.UpdateDatabase(m_path.c_str(), 1); });
    EXPECT_NE("", text);
    EXPECT_FALSE(Exists(m_path));
    EXPECT_FALSE(Exists(m_dir.file("mq.OLD")));
}

// A failure at any step leaves the file as it was and says so; the same object can then try
// again and succeed.
TEST_F(UpdateDatabaseTest, FailureAtAnyStepLeavesTheFileUnchangedAndSaysSo) {
    struct Case {
        const char* step;
        std::vector<std::string> messages;
        int result;
    };
    const std::string unchanged = Unchanged(m_path);
    const std::vector<Case> cases = {
        {"Backup",
         {"Failed to make a backup copy of the database. Program ABORTED!\n\tThe backup file "
          "could not be made: " +
              m_dir.file("mq.OLD"),
          unchanged},
         QZDbUpdate::updateFailed},
        {"TemporaryCopy",
         {"Failed to create a temporary database. Program ABORTED!", unchanged},
         QZDbUpdate::updateFailed},
        {"CreateTables", {"Error in creating new tables!", unchanged}, QZDbUpdate::updateFailed},
        {"DeleteQueryDefs",
         {"Error in deleting query definitions!", unchanged},
         QZDbUpdate::updateFailed},
        {"CreateQueryDefs",
         {"Error in creating query definitions!", unchanged},
         QZDbUpdate::updateFailed},
        {"RestoreOriginalData", {kRestoreFailed, kRestored}, QZDbUpdate::updateStop},
        {"SetVersion", {"The version row cannot be written.", unchanged}, QZDbUpdate::updateFailed},
        {"ReplaceDatabase",
         {"Failed to put the updated database in place of the old one. Program ABORTED!",
          unchanged},
         QZDbUpdate::updateFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        std::filesystem::remove_all(m_dir.path());
        std::filesystem::create_directory(m_dir.path());
        MakeOldSite(m_path, "1.4");
        m_boxes.Clear();
        QZDbUpdate update;
        QZDbUpdateFaults::SetFailingStep(c.step);
        EXPECT_EQ(c.result, UpdateLeavingFileUnchanged(update));
        EXPECT_EQ(c.messages, m_boxes.texts());
        EXPECT_EQ(CString(""), update.GetBackupPath());
        QZDbUpdateFaults::SetFailingStep(nullptr);
        EXPECT_EQ(QZDbUpdate::updateDone, update.UpdateDatabase(m_path.c_str(), 1));
        EXPECT_EQ(CString(m_dir.file("mq.OLD").c_str()), update.GetBackupPath());
    }
}

TEST_F(UpdateDatabaseTest, TableThatCannotBeMadeLeavesTheFileUnchanged) {
    MakeOldSite(m_path, "1.4");
    {
        // A table whose name differs from a current one in letter case only.
        CDaoDatabase db;
        db.Open(m_path.c_str());
        db.DeleteTableDef("Styles");
        MakeTable(db, "styles", {{"StyleName", dbText, dbVariableField}});
    }
    QZDbUpdate update;
    EXPECT_EQ(QZDbUpdate::updateFailed, UpdateLeavingFileUnchanged(update));
    EXPECT_EQ((std::vector<std::string>{"Error creating Styles!", "Error in creating new tables!",
                                        Unchanged(m_path)}),
              m_boxes.texts());
}

TEST_F(UpdateDatabaseTest, RowsThatCannotBeCarriedOverStopTheRunAndTheCaller) {
    MakeOldSite(m_path, "1.4");
    {
        // An old table without its key holds two rows with one key.
        CDaoDatabase db;
        db.Open(m_path.c_str());
        db.DeleteTableDef("Styles");
        MakeTable(db, "Styles",
                  {{"DbID", dbLong, dbFixedField},
                   {"StyleID", dbLong, dbFixedField},
                   {"StyleName", dbText, dbVariableField}});
        db.Execute("INSERT INTO Styles (DbID, StyleID, StyleName) VALUES (7, 1, 'A'), "
                   "(7, 1, 'B')");
    }
    QZDbUpdate update;
    EXPECT_EQ(QZDbUpdate::updateStop, UpdateLeavingFileUnchanged(update));
    std::vector<std::string> texts = m_boxes.texts();
    ASSERT_EQ(3u, texts.size());
    EXPECT_NE("", texts[0]) << "the engine's text of the refused row";
    EXPECT_EQ(kRestoreFailed, texts[1]);
    EXPECT_EQ(kRestored, texts[2]);
}

class CreateNewDatabaseTest : public ::testing::Test {
protected:
    void TearDown() override { QZDbUpdateFaults::SetFailingStep(nullptr); }

    TempDir m_dir;
    MessageBoxRecorder m_boxes;
};

TEST_F(CreateNewDatabaseTest, NewDatabaseHasEveryTableEveryQueryAndOneProductionRow) {
    std::string path = m_dir.file("Publish.mdb");
    QZDbUpdate update;
    ASSERT_EQ(1, update.CreateNewDatabase(path.c_str(), 0, 0));
    EXPECT_TRUE(m_boxes.texts().empty());
    EXPECT_EQ(nullptr, QZDbUpdate::GetDatabaseUnderConstruction());
    CDaoDatabase db;
    db.Open(path.c_str());
    EXPECT_EQ(27u, Tables(db).size());
    EXPECT_EQ(120u, Queries(db).size());
    EXPECT_EQ(std::vector<std::string>{"0"}, Column(db, "SELECT DbID FROM Marquill"));
    EXPECT_EQ(std::vector<std::string>{"1.30"}, Column(db, "SELECT VersionNumber FROM Marquill"));
    EXPECT_EQ(std::vector<std::string>{"Production"},
              Column(db, "SELECT Miscellaneous FROM Marquill"));
    EXPECT_FALSE(IsAutoNumbered(db, "Documents", "DocID"));
}

TEST_F(CreateNewDatabaseTest, FlagsChooseTheQueriesAndTheKeyRule) {
    std::string path = m_dir.file("new.mdb");
    QZDbUpdate update;
    ASSERT_EQ(1, update.CreateNewDatabase(path.c_str(), 1, 1));
    CDaoDatabase db;
    db.Open(path.c_str());
    std::map<std::string, std::string> minimal;
    for (const QZStoredQueryText& query : QZStoredQueryTexts::Minimal())
        minimal[query.name] = query.sql;
    EXPECT_EQ(3u, minimal.size());
    EXPECT_EQ(minimal, Queries(db));
    EXPECT_TRUE(IsAutoNumbered(db, "Documents", "DocID"));
    EXPECT_EQ(std::vector<std::string>{"Production"},
              Column(db, "SELECT Miscellaneous FROM Marquill"));
}

TEST_F(CreateNewDatabaseTest, FailureIsShownAndLeavesNoFileOfItsOwn) {
    std::string existing = m_dir.file("taken.mdb");
    std::ofstream(existing) << "someone's file";
    QZDbUpdate update;
    EXPECT_EQ(0, update.CreateNewDatabase(existing.c_str(), 0, 0));
    EXPECT_EQ("someone's file", Bytes(existing));
    ASSERT_EQ(1u, m_boxes.texts().size());
    EXPECT_NE(std::string::npos, m_boxes.texts()[0].find("already exists"));

    const std::pair<const char*, const char*> steps[] = {
        {"CreateTables", "Error in creating new tables!"},
        {"CreateQueryDefs", "Error in creating query definitions!"},
    };
    std::string path = m_dir.file("new.mdb");
    for (const auto& [step, message] : steps) {
        m_boxes.Clear();
        QZDbUpdateFaults::SetFailingStep(step);
        EXPECT_EQ(0, update.CreateNewDatabase(path.c_str(), 0, 0));
        QZDbUpdateFaults::SetFailingStep(nullptr);
        EXPECT_EQ(std::vector<std::string>{message}, m_boxes.texts());
        EXPECT_FALSE(Exists(path)) << step;
        EXPECT_EQ(nullptr, QZDbUpdate::GetDatabaseUnderConstruction());
    }
    // The same object then makes the file.
    EXPECT_EQ(1, update.CreateNewDatabase(path.c_str(), 0, 0));
}

} // namespace
