// The roles a second copy of this test program plays against a site database (see
// tests/support/ChildProcess.h).
#include "db/CDocumentSet.h"
#include "db/QZDbUpdate.h"
#include "platform/dao/CDaoWorkspace.h"
#include "tests/db/SiteDatabaseFixture.h"
#include "tests/db/TestAuthorRowSet.h"
#include "tests/support/ChildProcess.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Opens the object of MQ_CHILD_KEY with a claim as the user of MQ_CHILD_USER, writes the open
// result to "claimed" in MQ_CHILD_DIR, then either ends at once without releasing anything
// (MQ_CHILD_DIE=1, as a program that crashed) or waits for "release" and ends cleanly.
void ClaimRole() {
    CVantrel3App& app = TestApp();
    app.m_VantrelDb.SetDatabasePath(ChildSetting("DB").c_str());
    ASSERT_EQ(app.m_VantrelDb.OpenDatabase(0), 1);
    app.GetUserKey() = QZKeyCombo(CString(ChildSetting("USER").c_str()));
    auto set = std::make_unique<TestAuthorRowSet>(&app.m_VantrelDb);
    int result = set->OpenByKey(QZKeyCombo(CString(ChildSetting("KEY").c_str())),
                                "MQ_GetAuthorByDbID_AuthorID", 1);
    std::string dir = ChildSetting("DIR");
    WriteFileAtomically(dir + "/claimed", std::to_string(result));
    if (ChildSetting("DIE") == "1")
        _exit(0);
    WaitForFile(dir + "/release");
    set.reset();
    app.m_VantrelDb.Close();
}

void OpenSiteAs(const std::string& user) {
    CVantrel3App& app = TestApp();
    app.m_VantrelDb.SetDatabasePath(ChildSetting("DB").c_str());
    ASSERT_EQ(app.m_VantrelDb.OpenDatabase(0), 1);
    app.GetUserKey() = QZKeyCombo(CString(user.c_str()));
}

// Claims the page of MQ_CHILD_KEY as user MQ_CHILD_USER and, inside one transaction that holds
// the file's write lock, changes it as MQ_CHILD_CHANGE says and gives up the claim:
// "fields" sets Title to "Changed by B" and SectionSequence to 42 and saves; "mark-deleted"
// marks the page deleted and saves; "remove" deletes its row. It writes "saving" to MQ_CHILD_DIR
// and commits only once "read" appears there, so another program that has read the page by
// then waits for the claim until the change is in.
void SaveUnderClaimRole() {
    OpenSiteAs(ChildSetting("USER"));
    CVantrelDb& db = TestApp().m_VantrelDb;
    QZKeyCombo key(CString(ChildSetting("KEY").c_str()));
    auto set = std::make_unique<CDocumentSet>(&db);
    ASSERT_EQ(set->OpenByKey(key, CDocumentSet::GetKeyQueryName(), 1), 1);
    std::string change = ChildSetting("CHANGE");
    db.m_pWorkspace->BeginTrans();
    if (change == "remove") {
        CString sql;
        sql.Format("DELETE FROM Documents WHERE DbID = %ld AND DocID = %ld", key.m_DbID,
                   key.m_KeyID);
        db.Execute(sql);
        set.reset(); // gives up the claim
    } else {
        if (change == "mark-deleted") {
            set->m_Deleted = 1;
        } else {
            set->m_Title = "Changed by B";
            set->m_SectionSequence = 42;
        }
        ASSERT_EQ(set->SaveRecord(0), 1);
    }
    std::string dir = ChildSetting("DIR");
    WriteFileAtomically(dir + "/saving", "1");
    ASSERT_EQ(WaitForFile(dir + "/read"), "1");
    db.m_pWorkspace->CommitTrans();
    set.reset();
    db.Close();
}

// Works MQ_CHILD_OPERATIONS random steps on the pages MQ_CHILD_PAGES (KeyIDs, comma-separated,
// of DbID MQ_CHILD_DBID) as user MQ_CHILD_USER, random numbers from MQ_CHILD_SEED: claim a page,
// change its title unsaved, save it (adding one to its VersionGenerated, now and then keeping
// the claim), or give the claim up unsaved. Writes what happened to MQ_CHILD_DIR/MQ_CHILD_NAME:
// lines "saved <page> <saves that answered 1>", "opened <result> <count>", "refused <saves that
// answered 0>" and "messages <message boxes shown>".
void ClaimAndSaveRole() {
    OpenSiteAs(ChildSetting("USER"));
    CVantrelDb& db = TestApp().m_VantrelDb;
    // Waits stay short of this: the test is about lost saves, not about a busy file.
    db.SetBusyTimeout(60000);
    MessageBoxRecorder boxes;
    LONG dbId = std::atol(ChildSetting("DBID").c_str());
    std::vector<LONG> pages;
    std::stringstream list(ChildSetting("PAGES"));
    for (std::string page; std::getline(list, page, ',');)
        pages.push_back(std::atol(page.c_str()));
    std::mt19937 random(static_cast<unsigned>(std::stoul(ChildSetting("SEED"))));
    auto chance = [&random](unsigned n) { return random() % n; };

    std::map<LONG, long> saved;
    std::map<int, long> opened;
    long refused = 0;
    std::unique_ptr<CDocumentSet> set;
    LONG held = 0;
    const int operations = std::atoi(ChildSetting("OPERATIONS").c_str());
    for (int step = 0; step < operations; ++step) {
        if (!set) {
            held = pages[chance(static_cast<unsigned>(pages.size()))];
            set = std::make_unique<CDocumentSet>(&db);
            int result = set->OpenByKey(QZKeyCombo(dbId, held), CDocumentSet::GetKeyQueryName(), 1);
            ++opened[result];
            if (result != 1)
                set.reset();
            continue;
        }
        switch (chance(4)) {
        case 0:
            set->m_Title.Format("Step %d", step);
            break;
        case 3:
            set.reset();
            break;
        default: {
            int keep = chance(3) == 0 ? 1 : 0;
            ++set->m_VersionGenerated;
            if (set->SaveRecord(keep) == 1) {
                ++saved[held];
                if (!keep)
                    set.reset();
            } else {
                --set->m_VersionGenerated; // not written: the next save adds the one again
                ++refused;
            }
        }
        }
    }
    set.reset();
    db.Close();
    std::ostringstream report;
    for (const auto& [page, count] : saved)
        report << "saved " << page << " " << count << "\n";
    for (const auto& [result, count] : opened)
        report << "opened " << result << " " << count << "\n";
    report << "refused " << refused << "\n";
    report << "messages " << boxes.shown().size() << "\n";
    WriteFileAtomically(ChildSetting("DIR") + "/" + ChildSetting("NAME"), report.str());
}

// Updates the site database MQ_CHILD_DB, writing "started" to MQ_CHILD_DIR first and then
// "updated" with the update's result and the number of message boxes it showed.
void UpdateRole() {
    MessageBoxRecorder boxes;
    std::string dir = ChildSetting("DIR");
    WriteFileAtomically(dir + "/started", "1");
    QZDbUpdate update;
    int result = update.UpdateDatabase(ChildSetting("DB").c_str(), 1);
    WriteFileAtomically(dir + "/updated",
                        std::to_string(result) + " " + std::to_string(boxes.shown().size()));
}

MQ_CHILD_ROLE("claim", ClaimRole);
MQ_CHILD_ROLE("save-under-claim", SaveUnderClaimRole);
MQ_CHILD_ROLE("claim-and-save", ClaimAndSaveRole);
MQ_CHILD_ROLE("update", UpdateRole);

} // namespace
