#include "platform/registry/AppProfile.h"
#include "platform/registry/Registry.h"
#include "tests/platform/registry/SettingsFolder.h"

#include <gtest/gtest.h>

namespace {

class AppProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetRegistryKey("Zerin\\Marquill\\3.0\\Application\\Bar");
        SetProfileName("");
    }
    void TearDown() override { SetRegistryKey(nullptr); }

    SettingsFolder m_settings;
};

} // namespace

TEST_F(AppProfileTest, SectionsLieUnderTheProgramsKey) {
    EXPECT_EQ(GetAppRegistryKeyPath(), "Software\\Zerin\\Marquill\\3.0\\Application\\Bar");
    ASSERT_TRUE(WriteProfileInt("Main-Bar0", "BarID", 59393));
    ASSERT_TRUE(WriteProfileString("Main-Bar0", "Title", "Output"));
    EXPECT_EQ(GetProfileInt("Main-Bar0", "BarID", -1), 59393u);
    EXPECT_EQ(GetProfileString("main-bar0", "title"), "Output");

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER,
                           "Software\\Zerin\\Marquill\\3.0\\Application\\Bar\\Main-Bar0", 0,
                           KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueEx(key, "BarID", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    RegCloseKey(key);

    SetProfileName("Profile");
    EXPECT_EQ(GetProfileInt("Main-Bar0", "BarID", -1), static_cast<UINT>(-1));
}

TEST_F(AppProfileTest, DefaultsForWhatIsMissingOrOfAnotherType) {
    EXPECT_EQ(GetProfileInt("None", "X", 7), 7u);
    EXPECT_EQ(GetProfileString("None", "X", "dflt"), "dflt");
    EXPECT_EQ(GetProfileString("None", "X"), "");
    ASSERT_TRUE(WriteProfileString("Sec", "Number", "12"));
    EXPECT_EQ(GetProfileInt("Sec", "Number", 3), 3u);
    ASSERT_TRUE(WriteProfileInt("Sec", "Text", 12));
    EXPECT_EQ(GetProfileString("Sec", "Text", "t"), "t");
}

TEST_F(AppProfileTest, NullValueDeletesTheEntryAndNullEntryTheSection) {
    ASSERT_TRUE(WriteProfileString("Sec", "A", "1"));
    ASSERT_TRUE(WriteProfileString("Sec", "B", "2"));
    EXPECT_TRUE(WriteProfileString("Sec", "A", nullptr));
    EXPECT_EQ(GetProfileString("Sec", "A", "gone"), "gone");
    EXPECT_EQ(GetProfileString("Sec", "B"), "2");
    EXPECT_TRUE(WriteProfileString("Sec", nullptr, nullptr));
    EXPECT_EQ(GetProfileString("Sec", "B", "gone"), "gone");
    EXPECT_FALSE(WriteProfileString("Sec", nullptr, nullptr));
}

TEST_F(AppProfileTest, NothingIsKeptBeforeTheRegistryKeyIsSet) {
    SetRegistryKey(nullptr);
    EXPECT_FALSE(WriteProfileInt("Sec", "A", 1));
    EXPECT_EQ(GetProfileInt("Sec", "A", 5), 5u);
    EXPECT_EQ(m_settings.Text(), "");
}
