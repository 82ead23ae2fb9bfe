// Deleting, moving and finding files by the original's paths.

#include "platform/core/FileServices.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

std::string Read(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST(FileServices, MoveWithoutReplaceRefusesAnExistingName) {
    TempDir dir;
    Write(dir.file("a"), "A");
    Write(dir.file("b"), "B");
    EXPECT_FALSE(MoveFileExA(dir.file("a").c_str(), dir.file("b").c_str(), 0));
    EXPECT_EQ("A", Read(dir.file("a")));
    EXPECT_EQ("B", Read(dir.file("b")));
    EXPECT_TRUE(MoveFileExA(dir.file("a").c_str(), dir.file("c").c_str(), 0));
    EXPECT_FALSE(PathFileExistsA(dir.file("a").c_str()));
    EXPECT_EQ("A", Read(dir.file("c")));
}

TEST(FileServices, MoveWithReplaceTakesThePlaceOfTheFile) {
    TempDir dir;
    Write(dir.file("new"), "new");
    Write(dir.file("old"), "old");
    EXPECT_TRUE(
        MoveFileExA(dir.file("new").c_str(), dir.file("old").c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ("new", Read(dir.file("old")));
    EXPECT_FALSE(PathFileExistsA(dir.file("new").c_str()));
    // A missing source and a folder in the way both fail, changing nothing.
    EXPECT_FALSE(
        MoveFileExA(dir.file("new").c_str(), dir.file("old").c_str(), MOVEFILE_REPLACE_EXISTING));
    std::filesystem::create_directory(dir.path() / "folder");
    EXPECT_FALSE(MoveFileExA(dir.file("old").c_str(), dir.file("folder").c_str(),
                             MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ("new", Read(dir.file("old")));
}

TEST(FileServices, DeleteRemovesFilesOnly) {
    TempDir dir;
    Write(dir.file("a"), "A");
    std::filesystem::create_directory(dir.path() / "folder");
    EXPECT_TRUE(DeleteFileA(dir.file("a").c_str()));
    EXPECT_FALSE(PathFileExistsA(dir.file("a").c_str()));
    EXPECT_FALSE(DeleteFileA(dir.file("a").c_str()));
    EXPECT_FALSE(DeleteFileA(dir.file("folder").c_str()));
    EXPECT_TRUE(PathFileExistsA(dir.file("folder").c_str()));
}

TEST(FileServices, PathsOfTheOriginalAreMapped) {
    TempDir dir;
    const char* old = std::getenv("MARQUILL_ROOT");
    std::string saved = old ? old : "";
    setenv("MARQUILL_ROOT", dir.path().c_str(), 1);
    Write(dir.file("mq.mdb"), "db");
    EXPECT_TRUE(PathFileExistsA("C:\\mq.mdb"));
    EXPECT_TRUE(MoveFileExA("C:\\mq.mdb", "C:\\mq.OLD", 0));
    EXPECT_EQ("db", Read(dir.file("mq.OLD")));
    EXPECT_TRUE(DeleteFileA("C:\\mq.OLD"));
    EXPECT_FALSE(PathFileExistsA(dir.file("mq.OLD").c_str()));
    if (old)
        setenv("MARQUILL_ROOT", saved.c_str(), 1);
    else
        unsetenv("MARQUILL_ROOT");
}

TEST(FileServices, CreateDirectoryMakesOneLevelAndRefusesWhatIsThere) {
    TempDir dir;
    EXPECT_TRUE(CreateDirectoryA(dir.file("a").c_str()));
    EXPECT_TRUE(PathFileExistsA(dir.file("a").c_str()));
    EXPECT_FALSE(CreateDirectoryA(dir.file("a").c_str()));
    EXPECT_FALSE(CreateDirectoryA(dir.file("b/c").c_str()));
}

} // namespace
