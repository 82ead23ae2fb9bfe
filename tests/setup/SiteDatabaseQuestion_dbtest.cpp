// Which files the set-up step takes for site databases.

#include "setup/SiteDatabaseQuestion.h"
#include "shell/SiteDatabaseSettings.h"
#include "tests/setup/SetupFixture.h"

#include "platform/dao/CDaoDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

TEST(SiteDatabaseQuestion, OnlyAFileWithItsVersionRowIsASiteDatabase) {
    TempDir folder;
    MakeSiteDatabase(folder.file("site.mdb"), 7);
    std::ofstream(folder.file("text.mdb")) << "not a database";
    {
        CDaoDatabase other;
        other.Create(folder.file("other.mdb").c_str());
        other.Execute("CREATE TABLE Products (Name TEXT)");
        other.Close();
    }
    std::ofstream(folder.file("empty.mdb"));
    const std::string site = FileBytes(folder.file("site.mdb"));

    EXPECT_TRUE(SiteDatabaseSettings::IsSiteDatabase(folder.file("site.mdb").c_str()));
    for (const char* name : {"text.mdb", "other.mdb", "empty.mdb", "missing.mdb", ""})
        EXPECT_FALSE(SiteDatabaseSettings::IsSiteDatabase(folder.file(name).c_str())) << name;
    EXPECT_FALSE(SiteDatabaseSettings::IsSiteDatabase(""));

    EXPECT_FALSE(std::filesystem::exists(folder.file("missing.mdb"))) << "checking made a file";
    EXPECT_EQ(FileBytes(folder.file("site.mdb")), site) << "checking changed the database";
    EXPECT_EQ(FileBytes(folder.file("text.mdb")), "not a database");
}
