// Object keys against an open site database: a DbID of 0 or none in a key text, and the short
// form of a key, mean the open database's DbID, asked afresh each time.
#include "db/QZKeyCombo.h"
#include "db/QZNameAndKey.h"
#include "tests/db/SiteDatabaseFixture.h"

namespace {

class QZKeyComboDbTest : public SiteDatabaseTest {};

TEST_F(QZKeyComboDbTest, KeyTextsWithoutADbIdTakeTheOpenDatabases) {
    const struct {
        const char* text;
        LONG dbId;
        LONG keyId;
        SHORT type;
    } cases[] = {
        {":57", kDbId, 57, OBJ_PAGE},        {"57", kDbId, 57, OBJ_PAGE},
        {"0:57", kDbId, 57, OBJ_PAGE},       {"57@form", kDbId, 57, OBJ_FORM},
        {":57@image", kDbId, 57, OBJ_IMAGE}, {"x:57", kDbId, 57, OBJ_PAGE},
        {"3", kDbId, 3, OBJ_PAGE},           {"", kDbId, 0, OBJ_PAGE},
        {"@macro", kDbId, 0, OBJ_MACRO},     {"3:57@image", 3, 57, OBJ_IMAGE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QZKeyCombo key{CString(c.text)};
        EXPECT_EQ(key.m_DbID, c.dbId);
        EXPECT_EQ(key.m_KeyID, c.keyId);
        EXPECT_EQ(key.m_ObjectType, c.type);
    }
}

TEST_F(QZKeyComboDbTest, KeyOfAKeyIdAloneIsOfTheOpenDatabase) {
    QZKeyCombo key(57);
    EXPECT_EQ(key.m_DbID, kDbId);
    EXPECT_EQ(key.m_KeyID, 57);
    EXPECT_EQ(key.m_ObjectType, OBJ_PAGE);
}

TEST_F(QZKeyComboDbTest, ShortTextDropsTheDbIdOfTheOpenDatabaseOnly) {
    QZKeyCombo own(kDbId, 57);
    QZKeyCombo other(3, 57);
    EXPECT_EQ(own.Format(), ":57");
    EXPECT_EQ(other.Format(), "3:57");
    EXPECT_EQ(own.FormatFull(), "5:57");

    std::string second = m_dir.file("second.mdb");
    CreateSiteDatabase(second, 3);
    Db().SetDatabasePath(second.c_str());
    ASSERT_EQ(Db().OpenDatabase(0), 1);
    EXPECT_EQ(own.Format(), "5:57");
    EXPECT_EQ(other.Format(), ":57");
}

TEST_F(QZKeyComboDbTest, ShortTextRoundTripsThroughTheParse) {
    for (QZKeyCombo key : {QZKeyCombo(kDbId, 12), QZKeyCombo(3, 12), QZKeyCombo(kDbId, -4)}) {
        QZKeyCombo parsed{CString(key.Format())};
        EXPECT_TRUE(parsed == key) << key.FormatFull();
    }
}

TEST_F(QZKeyComboDbTest, ListItemOfTheOpenDatabaseShowsTheShortKey) {
    EXPECT_EQ(QZNameAndKey("Home", kDbId, 12, OBJ_PAGE).m_DisplayText, "Home  (:12)");
    EXPECT_EQ(QZNameAndKey("Home", 4, 12, OBJ_PAGE).m_DisplayText, "Home  (4:12)");
}

} // namespace
