// Claims and saves of one page by several running programs: whoever gets the claim works on the
// page as the last save left it, so no saved change is lost.

#include "db/CDocumentSet.h"
#include "tests/support/ChildProcess.h"
#include "tests/db/SiteDatabaseFixture.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A page set that says when it has read its row and is about to claim it.
class WatchedPageSet : public CDocumentSet {
public:
    using CDocumentSet::CDocumentSet;

    SHORT GetObjectType() override {
        if (m_beforeClaim) {
            auto action = std::move(m_beforeClaim);
            m_beforeClaim = nullptr;
            action();
        }
        return CDocumentSet::GetObjectType();
    }

    std::function<void()> m_beforeClaim;
};

class PageClaimTest : public SiteDatabaseTest {
protected:
    LONG AddPage() {
        CDocumentSet set(&Db());
        EXPECT_EQ(set.AddNewRecord(0), 1);
        set.m_Title = "Original";
        set.m_SectionSequence = 1;
        set.m_Keywords = "Original";
        EXPECT_EQ(set.SaveRecord(0), 1);
        return set.m_DocID;
    }

    // The counter column of the load test.
    long Counter(LONG page) {
        CDocumentSet set(&Db());
        EXPECT_EQ(set.OpenByKey(QZKeyCombo(kDbId, page), CDocumentSet::GetKeyQueryName(), 0), 1);
        return set.m_VersionGenerated;
    }

    // Program B claims the page and saves `change` while this program, having read the page,
    // waits for the claim; this program's open result.
    int OpenWhileAnotherSaves(WatchedPageSet& set, LONG id, const char* change) {
        TempDir talk;
        ChildProcess other("save-under-claim", {{"DB", m_path},
                                                {"DIR", talk.path().string()},
                                                {"USER", "5:200"},
                                                {"KEY", "5:" + std::to_string(id)},
                                                {"CHANGE", change}});
        EXPECT_EQ(WaitForFile(talk.file("saving")), "1");
        Db().SetBusyTimeout(20000);
        set.m_beforeClaim = [&] { WriteFileAtomically(talk.file("read"), "1"); };
        int result = set.OpenByKey(QZKeyCombo(kDbId, id), CDocumentSet::GetKeyQueryName(), 1);
        EXPECT_EQ(other.Wait(), 0);
        return result;
    }
};

TEST_F(PageClaimTest, ClaimGotAfterAnotherProgramsSaveShowsAndKeepsItsChanges) {
    LONG id = AddPage();
    WatchedPageSet set(&Db());
    ASSERT_EQ(OpenWhileAnotherSaves(set, id, "fields"), 1);
    EXPECT_EQ(set.m_Title, "Changed by B");
    EXPECT_EQ(set.m_SectionSequence, 42);
    EXPECT_EQ(set.m_Keywords, "Original");

    set.m_Keywords = "Changed by A";
    EXPECT_EQ(set.SaveRecord(0), 1);
    EXPECT_EQ(Count("SELECT * FROM Documents WHERE Title = 'Changed by B' AND SectionSequence = "
                    "42 AND Keywords = 'Changed by A'"),
              1);
    EXPECT_EQ(Count("SELECT * FROM Semaphor"), 0);
}

TEST_F(PageClaimTest, PageDeletedWhileTheClaimWaitsIsNotFoundAndNotClaimed) {
    for (const char* change : {"mark-deleted", "remove"}) {
        SCOPED_TRACE(change);
        LONG id = AddPage();
        WatchedPageSet set(&Db());
        EXPECT_EQ(OpenWhileAnotherSaves(set, id, change), 3);
        EXPECT_FALSE(set.IsLockHeld());
        EXPECT_EQ(Count("SELECT * FROM Semaphor"), 0);
    }
}

// A size of the load test: the environment variable when it is set, else the default.
int LoadSize(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && std::atoi(value) > 0 ? std::atoi(value) : fallback;
}

// What the programs of the load test reported, summed.
struct LoadReport {
    std::map<LONG, long> saved; // saves that answered 1, by page
    std::map<int, long> opened; // open results
    long refused = 0;
    long messages = 0;
    int reports = 0;

    void Add(const std::string& text) {
        std::istringstream lines(text);
        std::string what;
        long a = 0, b = 0;
        while (lines >> what) {
            if (what == "saved" && lines >> a >> b)
                saved[a] += b;
            else if (what == "opened" && lines >> a >> b)
                opened[static_cast<int>(a)] += b;
            else if (what == "refused" && lines >> a)
                refused += a;
            else if (what == "messages" && lines >> a)
                messages += a;
        }
        ++reports;
    }
};

// Sizes: MQ_CLAIM_LOAD_PROCESSES programs (at least 4 make it worth the name), each working
// MQ_CLAIM_LOAD_OPERATIONS steps on MQ_CLAIM_LOAD_PAGES pages; MQ_CLAIM_LOAD_SEED repeats the
// random steps (the programs' interleaving is the system's own).
TEST_F(PageClaimTest, ProgramsClaimingAndSavingAtRandomLoseNoSaveAndCountNoneTwice) {
    const int programs = LoadSize("MQ_CLAIM_LOAD_PROCESSES", 4);
    const int operations = LoadSize("MQ_CLAIM_LOAD_OPERATIONS", 300);
    const int pageCount = LoadSize("MQ_CLAIM_LOAD_PAGES", 5);
    const unsigned seed = static_cast<unsigned>(LoadSize(
        "MQ_CLAIM_LOAD_SEED",
        static_cast<int>(std::chrono::steady_clock::now().time_since_epoch().count() % 1000000) +
            1));
    std::vector<LONG> pages;
    std::string pageList;
    for (int i = 0; i < pageCount; ++i) {
        pages.push_back(AddPage());
        pageList += (i ? "," : "") + std::to_string(pages.back());
    }
    ExecuteOn(m_path, "UPDATE Documents SET VersionGenerated = 0");

    TempDir talk;
    std::vector<std::unique_ptr<ChildProcess>> children;
    for (int i = 0; i < programs; ++i)
        children.push_back(std::make_unique<ChildProcess>(
            "claim-and-save", std::map<std::string, std::string>{
                                  {"DB", m_path},
                                  {"DIR", talk.path().string()},
                                  {"NAME", "report" + std::to_string(i)},
                                  {"USER", "5:" + std::to_string(200 + i)},
                                  {"DBID", std::to_string(kDbId)},
                                  {"PAGES", pageList},
                                  {"OPERATIONS", std::to_string(operations)},
                                  {"SEED", std::to_string(seed + static_cast<unsigned>(i))}}));
    for (auto& child : children)
        EXPECT_EQ(child->Wait(30 * 60 * 1000), 0);

    LoadReport report;
    for (int i = 0; i < programs; ++i) {
        std::ifstream in(talk.file("report" + std::to_string(i)));
        std::stringstream text;
        text << in.rdbuf();
        report.Add(text.str());
    }
    ASSERT_EQ(report.reports, programs);
    long saves = 0;
    for (LONG page : pages) {
        SCOPED_TRACE("page " + std::to_string(page));
        saves += report.saved[page];
        EXPECT_EQ(Counter(page), report.saved[page]);
    }
    EXPECT_EQ(Count("SELECT * FROM Semaphor"), 0);
    EXPECT_EQ(report.messages, 0);
    EXPECT_EQ(report.opened[3], 0);
    std::printf("%d programs x %d steps on %d pages (seed %u): %ld saves, %ld refused; opens: "
                "%ld claimed, %ld read-only, %ld busy\n",
                programs, operations, pageCount, seed, saves, report.refused, report.opened[1],
                report.opened[2], report.opened[0]);
}

} // namespace
