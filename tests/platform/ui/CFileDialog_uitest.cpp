// The file dialog is the desktop's real file chooser, driven as a user would drive it.

#include "platform/ui/CFileDialog.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/FileChooserScript.h"
#include "tests/support/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kFilter = "Access databases (*.mdb)|*.mdb|All files (*.*)|*.*||";

// A folder "data" with two files and a folder "other" with one, in a temporary folder.
class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(root.path() / "data");
        fs::create_directory(root.path() / "other");
        for (const char* name : {"data/Site.MDB", "data/notes.txt", "other/old.mdb"})
            std::ofstream(root.file(name)) << "x";
    }
    std::string In(const char* name) const { return root.file(name); }

    TempDir root;
    FileChooserScript user;
    const fs::path startedIn = fs::current_path();
};

TEST_F(FileDialogTest, OpensInTheFolderWithTheFirstFilterAndGivesTheChosenPath) {
    user.probes = {"a.mdb", "B.MDB", "c.Mdb", "d.txt", "mdb"};
    user.Choose(In("data/Site.MDB"));
    CFileDialog dialog(TRUE, "mdb", nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kFilter);
    const std::string folder = In("data");
    dialog.m_ofn.lpstrInitialDir = folder.c_str();

    ASSERT_EQ(dialog.DoModal(), IDOK);

    EXPECT_EQ(dialog.GetPathName(), In("data/Site.MDB").c_str());
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].folder, folder);
    EXPECT_EQ(user.shown[0].filters,
              (std::vector<std::string>{"Access databases (*.mdb)", "All files (*.*)"}));
    EXPECT_EQ(user.shown[0].filter, "Access databases (*.mdb)");
    EXPECT_EQ(user.shown[0].accepted, (std::vector<std::string>{"a.mdb", "B.MDB", "c.Mdb"}));
    EXPECT_EQ(fs::current_path(), startedIn) << "the current directory changed";
}

TEST_F(FileDialogTest, CancelKeepsTheInitialName) {
    user.Cancel();
    const std::string initial = In("other/old.mdb");
    CFileDialog dialog(TRUE, "mdb", initial.c_str(), OFN_FILEMUSTEXIST, kFilter);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), initial.c_str());
    EXPECT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(fs::current_path(), startedIn);
}

TEST_F(FileDialogTest, SecondFilterEntryLetsEveryNameThrough) {
    user.probes = {"a.mdb", "notes.txt", "README"};
    user.Cancel();
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, kFilter);
    dialog.m_ofn.nFilterIndex = 2;
    dialog.DoModal();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].filter, "All files (*.*)");
    EXPECT_EQ(user.shown[0].accepted, user.probes);
}

// Where the chooser opens, and which file it shows selected, from the initial folder and name.
// (Without a file to select the chooser puts its cursor on its first row: a name of another
// folder must then just not be the one shown.)
TEST_F(FileDialogTest, StartingFolderAndSelectedName) {
    struct Case {
        std::string folder, name, opensIn, selected;
    };
    const fs::path current = fs::current_path();
    const std::vector<Case> cases = {
        {In("data"), In("data/Site.MDB"), In("data"), In("data/Site.MDB")},
        {In("data"), "Site.MDB", In("data"), In("data/Site.MDB")},
        {In("data"), In("other/old.mdb"), In("data"), ""},
        {In("missing"), In("other/old.mdb"), In("other"), In("other/old.mdb")},
        {"", "", current.string(), ""},
        {In("missing"), In("missing/x.mdb"), current.string(), ""},
        {fs::relative(In("other"), current).string(), "", In("other"), ""},
    };
    for (const Case& c : cases) {
        user.Cancel();
        CFileDialog dialog(TRUE, nullptr, c.name.c_str(), OFN_FILEMUSTEXIST, kFilter);
        dialog.m_ofn.lpstrInitialDir = c.folder.c_str();
        dialog.DoModal();
        ASSERT_FALSE(user.shown.empty());
        EXPECT_EQ(user.shown.back().folder, c.opensIn) << c.folder << " " << c.name;
        if (!c.selected.empty()) {
            EXPECT_EQ(user.shown.back().selected, c.selected) << c.folder << " " << c.name;
        } else if (!c.name.empty()) {
            EXPECT_NE(user.shown.back().selected, c.name) << c.folder << " " << c.name;
        }
    }
    EXPECT_EQ(user.shown.size(), cases.size());
    EXPECT_EQ(fs::current_path(), startedIn);
}

} // namespace
