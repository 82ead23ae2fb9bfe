// Registering component packages: the package copied whole into the Components folder (links
// left out), the ComponentsInstalled row and its version rule, failures that leave the earlier
// copy intact, and the list of installed components.
#include "content/QZComponentMover.h"
#include "tests/content/ComponentFixture.h"
#include "tests/support/UnprivilegedFileAccess.h"

namespace {

namespace fs = std::filesystem;

using ComponentRegistrationTest = ComponentTest;

TEST_F(ComponentRegistrationTest, RegistersACompleteCopyWithoutTheLinks) {
    BuildPackage(Package(), 3);
    ASSERT_EQ(Register(Package()), 1);
    EXPECT_EQ(Rows(m_path, "SELECT ComponentSrc, ComponentTitle, VersionNumber, DatabaseLocation "
                           "FROM ComponentsInstalled"),
              (std::vector<std::string>{"Zerin's Labs|Guest Book|3|" +
                                        (Components() / "guestbook" / "guest.mdb").string()}));
    EXPECT_EQ(Tree(Components()),
              (std::vector<std::string>{"guestbook/", "guestbook/guest.mdb", "guestbook/pages/",
                                        "guestbook/pages/entry.html", "guestbook/pages/more/",
                                        "guestbook/pages/more/help.html", "guestbook/pics/",
                                        "guestbook/pics/logo.gif", "guestbook/readme.txt"}));
    EXPECT_EQ(ReadFile((Components() / "guestbook" / "pics" / "logo.gif").string()), "GIF89a logo");
    EXPECT_EQ(fs::current_path().string(), m_savedDirectory);
    EXPECT_EQ(Errors(), std::vector<std::string>());
}

TEST_F(ComponentRegistrationTest, SameVersionRegistersAgainOlderIsRefusedNewerRaisesIt) {
    BuildPackage(Package(), 3);
    ASSERT_EQ(Register(Package()), 1);
    fs::path copy = Components() / "guestbook";
    struct Step {
        LONG version;
        int result;
        LONG registered;
        std::string readme; // of the registered copy afterwards
    };
    const Step steps[] = {{3, 1, 3, "Guest book version 3"},
                          {2, 0, 3, "Guest book version 3"},
                          {4, 1, 4, "Guest book version 4"}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.version);
        BuildPackage(Package(), step.version);
        // A file of the package that only the refused version lacks.
        if (step.result == 0)
            fs::remove(Package() / "pages" / "more" / "help.html");
        EXPECT_EQ(Register(Package()), step.result);
        EXPECT_EQ(Rows(m_path, "SELECT VersionNumber, DatabaseLocation FROM ComponentsInstalled"),
                  (std::vector<std::string>{std::to_string(step.registered) + "|" +
                                            (copy / "guest.mdb").string()}));
        EXPECT_EQ(ReadFile((copy / "readme.txt").string()), step.readme);
        EXPECT_TRUE(fs::exists(copy / "pages" / "more" / "help.html"));
    }
    // A registration replaces the copy whole: what left the package leaves the copy.
    fs::remove(Package() / "pages" / "more" / "help.html");
    EXPECT_EQ(Register(Package()), 1);
    EXPECT_FALSE(fs::exists(copy / "pages" / "more" / "help.html"));
    EXPECT_EQ(Count("SELECT * FROM ComponentsInstalled"), 1);
}

TEST_F(ComponentRegistrationTest, AFileThatCannotBeCopiedFailsAndKeepsTheEarlierCopy) {
    BuildPackage(Package(), 3);
    ASSERT_EQ(Register(Package()), 1);
    BuildPackage(Package(), 4);
    WriteFile((Package() / "pics" / "private.gif").string(), "private");
    UnprivilegedFileAccess::MakeUnreadable(Package() / "pics" / "private.gif");
    int result = 0;
    {
        UnprivilegedFileAccess access(m_dir.path());
        result = Register(Package());
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"error: The component file " +
                                                  (Package() / "pics" / "private.gif").string() +
                                                  " cannot be copied."}));
    EXPECT_EQ(Rows(m_path, "SELECT VersionNumber FROM ComponentsInstalled"),
              (std::vector<std::string>{"3"}));
    EXPECT_EQ(Tree(Components()),
              (std::vector<std::string>{"guestbook/", "guestbook/guest.mdb", "guestbook/pages/",
                                        "guestbook/pages/entry.html", "guestbook/pages/more/",
                                        "guestbook/pages/more/help.html", "guestbook/pics/",
                                        "guestbook/pics/logo.gif", "guestbook/readme.txt"}));
    EXPECT_EQ(ReadFile((Components() / "guestbook" / "readme.txt").string()),
              "Guest book version 3");
}

TEST_F(ComponentRegistrationTest, TheFolderNameIgnoresTrailingSeparatorsAndBelongsToOneComponent) {
    BuildPackage(Package(), 3);
    ASSERT_EQ(Register(Package().string() + "//"), 1);
    EXPECT_EQ(Rows(m_path, "SELECT DatabaseLocation FROM ComponentsInstalled"),
              (std::vector<std::string>{(Components() / "guestbook" / "guest.mdb").string()}));

    // Another component whose package folder has the same name.
    fs::path other = m_dir.path() / "other" / "guestbook";
    BuildPackage(other, 1);
    ExecuteOn((other / "guest.mdb").string(),
              "UPDATE ComponentsInstalled SET ComponentTitle = 'Visitors'");
    EXPECT_EQ(Register(other), 0);
    EXPECT_EQ(Errors(), (std::vector<std::string>{
                            "error: The component folder " + (Components() / "guestbook").string() +
                            " holds the component Guest Book of Zerin's Labs."}));
    EXPECT_EQ(Count("SELECT * FROM ComponentsInstalled"), 1);
    EXPECT_EQ(ReadFile((Components() / "guestbook" / "readme.txt").string()),
              "Guest book version 3");
}

TEST_F(ComponentRegistrationTest, APackageWithoutItsComponentRowIsRefused) {
    BuildPackage(Package(), 3);
    ExecuteOn((Package() / "guest.mdb").string(), "DELETE FROM ComponentsInstalled");
    EXPECT_EQ(Register(Package()), 0);
    EXPECT_EQ(Register(Package(), "missing.mdb"), 0);
    EXPECT_EQ(Register(Package(), "../guestbook/guest.mdb"), 0);
    EXPECT_EQ(Count("SELECT * FROM ComponentsInstalled"), 0);
    EXPECT_FALSE(fs::exists(Components() / "guestbook"));
}

TEST_F(ComponentRegistrationTest, TheComponentsFolderLiesUnderTheComponentRoot) {
    // The drive root of the original stands for the test's folder (MARQUILL_ROOT).
    TestApp().SetDatabaseRoot("");
    EXPECT_EQ(QZComponentMover::GetComponentsFolder().str(),
              (m_dir.path() / "Marquill" / "Components").string());
    TestApp().SetDatabaseRoot("C:\\Sites\\");
    EXPECT_EQ(QZComponentMover::GetComponentsFolder().str(),
              (m_dir.path() / "Sites" / "Components").string());
}

TEST_F(ComponentRegistrationTest, InstalledComponentsAreListedInTableOrder) {
    EXPECT_EQ(ListInstalledComponents(&Db()), nullptr);
    ExecuteOn(m_path, "INSERT INTO ComponentsInstalled (ComponentSrc, ComponentTitle, "
                      "VersionNumber, DatabaseLocation) VALUES ('Zerin Labs', 'Guest Book', 3, "
                      "'/x/guest.mdb')");
    ExecuteOn(m_path, "INSERT INTO ComponentsInstalled (ComponentSrc, ComponentTitle, "
                      "VersionNumber, DatabaseLocation) VALUES ('Acme', 'Shop', -2, '')");
    QZStringPtrList* list = ListInstalledComponents(&Db());
    ASSERT_NE(list, nullptr);
    std::vector<std::string> entries;
    for (POSITION position = list->GetHeadPosition(); position != nullptr;) {
        CString* entry = list->GetNext(position);
        entries.push_back(entry->str());
        delete entry;
    }
    delete list;
    EXPECT_EQ(entries, (std::vector<std::string>{"Zerin Labs\tGuest Book\t3", "Acme\tShop\t-2"}));
}

} // namespace
