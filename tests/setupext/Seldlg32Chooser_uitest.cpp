// GetCPU of the built library, loaded with dlopen, asking with the desktop's real file chooser:
// in a program that runs the window system already, and in one that does not.

// The platform's own definitions come before wx's.
#include "tests/support/TestSupport.h"

#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/setupext/TestSetupTable.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FileChooserScript.h"

#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// The library as a setup program loads it.
class Seldlg32 {
public:
    Seldlg32() : m_library(dlopen(MQ_SELDLG32, RTLD_NOW | RTLD_LOCAL)) {
        if (m_library)
            getCpu = reinterpret_cast<GetCPUFunction>(dlsym(m_library, kSetupExtensionExport));
    }
    ~Seldlg32() {
        if (m_library)
            dlclose(m_library);
    }
    Seldlg32(const Seldlg32&) = delete;
    Seldlg32& operator=(const Seldlg32&) = delete;

    GetCPUFunction getCpu = nullptr;

private:
    void* m_library;
};

// A data folder with site databases (and a text file), and the old database elsewhere.
void MakeFiles(const fs::path& root) {
    fs::create_directory(root / "data");
    fs::create_directory(root / "old");
    for (const char* name : {"data/new.mdb", "data/Other.MDB", "data/notes.txt", "old/site.mdb"})
        std::ofstream(root / name) << "x";
}

class Seldlg32ChooserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(library.getCpu, nullptr) << dlerror();
        MakeFiles(root.path());
    }
    std::string In(const char* name) const { return root.file(name); }

    TempDir root;
    Seldlg32 library;
    FileChooserScript user;
    const fs::path startedIn = fs::current_path();
};

TEST_F(Seldlg32ChooserTest, OpensInDataDirAndStoresTheChosenFileAsVantrelDir) {
    TestSetupTable table(4);
    table.Add("VANTREL_DIR", In("old/site.mdb"));
    table.Add("DATA_DIR", In("data"));
    user.probes = {"x.mdb", "X.MDB", "x.txt"};
    user.Choose(In("data/new.mdb"), MQ_SCREENSHOT_DIR "/seldlg32-chooser.png");

    EXPECT_EQ(library.getCpu(&table.table), 0);

    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].folder, In("data"));
    EXPECT_EQ(user.shown[0].filter, "Access databases (*.mdb)");
    EXPECT_EQ(user.shown[0].accepted, (std::vector<std::string>{"x.mdb", "X.MDB"}));
    EXPECT_EQ(table.table.count, 2u);
    EXPECT_EQ(table.Name(0), "%VANTREL_DIR%");
    EXPECT_EQ(table.Value(0), In("data/new.mdb"));
    EXPECT_EQ(table.Value(1), In("data"));
    EXPECT_EQ(fs::current_path(), startedIn) << "the setup program's current directory changed";
}

TEST_F(Seldlg32ChooserTest, CancelLeavesTheTableByteForByte) {
    TestSetupTable table(4);
    table.Add("VANTREL_DIR", In("old/site.mdb"));
    table.Add("DATA_DIR", In("data"));
    const std::vector<char> before = table.Bytes();
    user.Cancel();

    EXPECT_EQ(library.getCpu(&table.table), 0);

    EXPECT_EQ(user.shown.size(), 1u);
    EXPECT_TRUE(table.Bytes() == before) << "the table changed";
    EXPECT_EQ(fs::current_path(), startedIn);
}

TEST_F(Seldlg32ChooserTest, AChoiceWithoutVantrelDirIsAppendedAtTheCount) {
    TestSetupTable table(4);
    table.Add("DATA_DIR", In("data"));
    user.Choose(In("data/Other.MDB"));

    EXPECT_EQ(library.getCpu(&table.table), 0);

    EXPECT_EQ(table.table.count, 2u);
    EXPECT_EQ(table.Name(1), "%VANTREL_DIR%");
    EXPECT_EQ(table.Value(1), In("data/Other.MDB"));
}

// A setup program that runs no window system: the library starts one for the question and
// ends it before it returns.
void HostWithoutWindowSystemRole() {
    const fs::path root = ChildSetting("ROOT");
    FileChooserScript user;
    user.Choose((root / "data/new.mdb").string());
    Seldlg32 library;
    ASSERT_NE(library.getCpu, nullptr);
    TestSetupTable table(4);
    table.Add("VANTREL_DIR", (root / "old/site.mdb").string());
    table.Add("DATA_DIR", (root / "data").string());
    ASSERT_EQ(wxTheApp, nullptr);

    EXPECT_EQ(library.getCpu(&table.table), 0);

    EXPECT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(table.Value(0), (root / "data/new.mdb").string());
    EXPECT_EQ(wxTheApp, nullptr) << "the window system was left running";
}
MQ_CHILD_ROLE("host-without-window-system", HostWithoutWindowSystemRole);

TEST_F(Seldlg32ChooserTest, AHostWithoutWindowSystemGetsOneForTheQuestion) {
    ChildProcess host("host-without-window-system", {{"ROOT", root.path().string()}});
    EXPECT_EQ(host.Wait(), 0);
}

} // namespace
