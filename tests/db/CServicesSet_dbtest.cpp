// What the service row does beyond the other tables: its production FTP password is stored
// scrambled and always read as plain text.

#include "db/CServicesSet.h"

#include "db/ScramblePassword.h"

#include "platform/dao/DaoErrors.h"
#include "tests/db/SiteDatabaseFixture.h"

namespace {

class CServicesSetTest : public SiteDatabaseTest {
protected:
    // The stored text of a column of the one service row, read past the recordset class.
    std::string Stored(const char* column) {
        CDaoDatabase db;
        db.Open(m_path.c_str());
        CDaoRecordset rows(&db);
        rows.Open(dbOpenSnapshot, (std::string("SELECT ") + column + " FROM Services").c_str());
        std::string text = rows.GetFieldValue(0).bstrVal.str();
        rows.Close();
        db.Close();
        return text;
    }

    // A saved service row with these passwords; its ServiceID.
    LONG AddService(const char* production, const char* development) {
        CServicesSet set(&Db());
        EXPECT_EQ(set.AddNewRecord(0), 1);
        set.m_Production_ftp_Password = production;
        set.m_Development_ftp_Password = development;
        EXPECT_EQ(set.SaveRecord(0), 1);
        return set.m_ServiceID;
    }

    // Opens the service row claimed for editing.
    void Edit(CServicesSet& set, LONG id) {
        ASSERT_EQ(set.OpenByKey(QZKeyCombo(kDbId, id), "MQ_GetServiceByDbID_ServiceID", 1), 1);
    }
};

TEST_F(CServicesSetTest, ProductionPasswordIsStoredScrambledAndReadBackPlain) {
    LONG id = AddService("abc", "abc");
    EXPECT_EQ(Stored("Production_ftp_Password"), "\x78\x68\x70");
    EXPECT_EQ(Stored("Development_ftp_Password"), "abc");

    CServicesSet set(&Db());
    Edit(set, id);
    EXPECT_EQ(set.m_Production_ftp_Password.Get(), CString("abc"));
    // Saving again without a change leaves the stored form as it was.
    ASSERT_EQ(set.SaveRecord(1), 1);
    EXPECT_EQ(set.m_Production_ftp_Password.Get(), CString("abc"));
    EXPECT_EQ(Stored("Production_ftp_Password"), "\x78\x68\x70");
}

TEST_F(CServicesSetTest, PasswordCharacterWithBitSevenLosesTheBit) {
    AddService("\xe1"
               "b",
               "");
    EXPECT_EQ(Stored("Production_ftp_Password"), ScramblePassword("ab").str());
}

TEST_F(CServicesSetTest, FailedUpdateLeavesEveryMemberAsTheCallerSetIt) {
    LONG id = AddService("abc", "");
    CServicesSet set(&Db());
    Edit(set, id);
    set.m_Production_ftp_Password = "new";
    set.m_Production_ftp_User = "a user name longer than fifteen";
    std::string error = EngineErrorText([&] { set.SaveRecord(0); });
    EXPECT_NE(error, "");
    EXPECT_EQ(set.m_Production_ftp_Password.Get(), CString("new"));
    EXPECT_EQ(set.m_Production_ftp_User, CString("a user name longer than fifteen"));
    EXPECT_TRUE(set.IsLockHeld());
    EXPECT_EQ(Stored("Production_ftp_Password"), "\x78\x68\x70");

    set.m_Production_ftp_User = "ftpuser";
    ASSERT_EQ(set.SaveRecord(0), 1);
    EXPECT_EQ(Stored("Production_ftp_Password"), ScramblePassword("new").str());
}

TEST_F(CServicesSetTest, SavingWritesTheRemoteRoot) {
    LONG id = AddService("", "");
    CServicesSet set(&Db());
    Edit(set, id);
    set.m_RemoteRoot = "/var/www/site";
    ASSERT_EQ(set.SaveRecord(0), 1);
    EXPECT_EQ(Stored("RemoteRoot"), "/var/www/site");
}

} // namespace
