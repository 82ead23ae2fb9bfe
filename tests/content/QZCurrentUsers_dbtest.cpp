// Log-in and log-out of the site's users against real program copies that run, crash or hold
// claims of their own.
#include "content/QZCurrentUsers.h"

#include "tests/content/ContentFixture.h"
#include "tests/support/ChildProcess.h"

#include <filesystem>
#include <memory>

namespace {

class QZCurrentUsersTest : public ContentTest {
protected:
    void SetUp() override {
        ContentTest::SetUp();
        for (LONG id : {7, 8, 9})
            AddRow(ContentKindOf(OBJ_AD), id, "Ad " + std::to_string(id));
    }

    // A copy of the program started as `user`, logging in when asked at `time`, holding ad 5:id
    // for editing; it crashes once it holds it when `die`.
    std::unique_ptr<ChildProcess> StartCopy(const std::string& name, const std::string& user,
                                            LONG ad, bool login, time_t time, bool die) {
        std::string dir = Folder(name);
        std::filesystem::create_directory(dir);
        auto child = std::make_unique<ChildProcess>(
            "hold", std::map<std::string, std::string>{
                        {"DB", m_path},
                        {"DIR", dir},
                        {"USER", user},
                        {"KEYS", std::to_string(OBJ_AD) + ":" + std::to_string(ad)},
                        {"LOGIN", login ? "1" : "0"},
                        {"TIME", std::to_string(time)},
                        {"DIE", die ? "1" : "0"}});
        EXPECT_EQ(WaitForFile(dir + "/claimed"), "1") << name;
        if (die) {
            EXPECT_EQ(child->Wait(), 0) << name;
        }
        return child;
    }
    void Release(const std::string& name, ChildProcess& child) {
        WriteFileAtomically(Folder(name) + "/release", "");
        EXPECT_EQ(child.Wait(), 0);
    }
    std::string Folder(const std::string& name) const { return m_dir.file(name); }

    long UserRows(LONG user = kUser) {
        return Count("SELECT * FROM CurrentUsers WHERE UserDbID = 5 AND UserID = " +
                     std::to_string(user));
    }
    COleDateTime LoginTime() {
        CDaoDatabase db;
        db.Open(m_path.c_str());
        CDaoRecordset rows(&db);
        rows.Open(dbOpenSnapshot, "SELECT Login FROM CurrentUsers WHERE UserID = 100");
        COleDateTime login(rows.GetFieldValue(0).date);
        rows.Close();
        db.Close();
        return login;
    }
    static QZKeyCombo User() { return QZKeyCombo(kDbId, kUser); }
};

TEST_F(QZCurrentUsersTest, LoggingInTwiceWithoutLoggingOutLeavesOneRowAndNoClaimsOfTheDeadCopy) {
    time_t earlier = FixedClock::LocalTime(2024, 3, 5, 9, 0, 0);
    // A second copy of the same user that still runs, and one that crashed after it.
    auto running = StartCopy("running", "5:100", 8, true, earlier, false);
    StartCopy("crashed", "5:100", 7, true, earlier + 60, true);
    auto other = StartCopy("other", "5:101", 9, false, earlier, false);
    ASSERT_EQ(UserRows(), 1);

    QZCurrentUsers users(&Db());
    EXPECT_TRUE(users.LogInAtStartup(User()));
    EXPECT_EQ(UserRows(), 1);
    EXPECT_EQ(LoginTime(), Now());
    EXPECT_EQ(Claims(OBJ_AD, 7), 0);
    EXPECT_EQ(Claims(OBJ_AD, 8), 1);
    EXPECT_EQ(Claims(OBJ_AD, 9), 1);
    EXPECT_TRUE(users.IsUserLoggedIn(User()));

    Release("running", *running);
    Release("other", *other);
}

TEST_F(QZCurrentUsersTest, LoggingInClearsClaimsOfEndedCopiesAlsoWithoutALeftoverRow) {
    StartCopy("crashed", "5:100", 7, false, 0, true);
    ASSERT_EQ(UserRows(), 0);
    ASSERT_EQ(Claims(OBJ_AD, 7), 1);
    QZCurrentUsers(&Db()).LogInAtStartup(User());
    EXPECT_EQ(Claims(OBJ_AD, 7), 0);
    EXPECT_EQ(UserRows(), 1);
}

TEST_F(QZCurrentUsersTest, LoggingOutRemovesTheRowAndThisCopysClaimsOnly) {
    auto running = StartCopy("running", "5:100", 8, false, 0, false);
    auto other = StartCopy("other", "5:101", 9, false, 0, false);
    QZCurrentUsers users(&Db());
    users.LogInAtStartup(User());
    users.LoginUser(QZKeyCombo(kDbId, 101));
    // A claim this copy took and never gave back.
    Insert("Semaphor", "ObjDbID, ObjKeyID, ObjTypeID, UserDbID, UserID, SerializedID",
           "5, 7, 24, 5, 100, '" + std::to_string(Db().GetSessionId()) + "'");

    EXPECT_TRUE(users.LogOutAtExit(User()));
    EXPECT_EQ(UserRows(), 0);
    EXPECT_FALSE(users.IsUserLoggedIn(User()));
    EXPECT_EQ(UserRows(101), 1);
    EXPECT_EQ(Claims(OBJ_AD, 7), 0);
    EXPECT_EQ(Claims(OBJ_AD, 8), 1);
    EXPECT_EQ(Claims(OBJ_AD, 9), 1);
    // Logging out without a row changes nothing and still answers TRUE.
    EXPECT_TRUE(users.LogoutUser(User()));

    Release("running", *running);
    Release("other", *other);
}

} // namespace
