#include "editors/QZSiteFileCopy.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A site's development folder "dev" (with the folder "images"), a folder "dev2" beside it and
// an outside folder; the current directory is somewhere else and must stay there.
class SiteFileCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_temp.path() / "dev" / "images");
        fs::create_directories(m_temp.path() / "elsewhere");
        m_before = fs::current_path();
    }
    void TearDown() override { EXPECT_EQ(fs::current_path(), m_before); }

    CString Dev() const { return (m_temp.path() / "dev").string().c_str(); }

    // Runs the copy with a chooser that picks `chosen` (nothing: the user cancels); the
    // chooser's initial name is kept.
    std::optional<CString> Run(const std::optional<fs::path>& chosen) {
        QZSiteFileCopy copy(Dev(), [&](const CString& initial, const CString&) {
            m_initial = initial.str();
            return chosen ? std::optional<CString>(chosen->string().c_str()) : std::nullopt;
        });
        return copy.Run("Images (*.gif)|*.gif||", m_fileName, m_relativeDir, m_fileDir);
    }

    TempDir m_temp;
    fs::path m_before;
    MessageBoxRecorder m_boxes;
    CString m_fileName = "old.gif";
    CString m_relativeDir = "images";
    CString m_fileDir;
    std::string m_initial;
};

TEST_F(SiteFileCopyTest, AFileInTheTargetFolderIsTakenWhereItIs) {
    const fs::path file = m_temp.path() / "dev" / "images" / "logo.gif";
    WriteFile(file, "logo");
    EXPECT_EQ(Run(file).value_or("-"), CString("logo.gif"));
    EXPECT_EQ(m_initial, (m_temp.path() / "dev" / "images" / "old.gif").string());
    EXPECT_EQ(m_fileName, CString("logo.gif"));
    EXPECT_EQ(m_relativeDir, CString("images"));
    EXPECT_EQ(m_fileDir.str(), (m_temp.path() / "dev" / "images").string());
    EXPECT_TRUE(m_boxes.texts().empty());
}

TEST_F(SiteFileCopyTest, WhereAFileInsideTheSiteEndsUp) {
    struct Case {
        fs::path sub; // below dev
        std::string relative;
        bool copied; // into dev/<relative>
    };
    const Case cases[] = {
        {"pics", "pics", false},      // one level deep: stays, its folder becomes the relative one
        {"pics/small", "pics", true}, // two levels deep: copied into the first folder
        {"pics/a/b", "pics", true},   // deeper still: the same
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sub.string());
        const fs::path dev = m_temp.path() / "dev";
        const fs::path file = dev / c.sub / ("f" + std::to_string(&c - cases) + ".gif");
        WriteFile(file, "x");
        m_relativeDir = "images";
        m_boxes.Clear();
        m_boxes.Answer(IDOK);
        const std::optional<CString> name = Run(file);
        ASSERT_TRUE(name.has_value());
        EXPECT_EQ(m_relativeDir.str(), c.relative);
        const fs::path landed = dev / c.relative / file.filename();
        if (c.copied) {
            EXPECT_TRUE(fs::exists(landed));
            EXPECT_EQ(m_fileDir.str(), (dev / c.relative).string());
            ASSERT_EQ(m_boxes.texts().size(), 1u);
            EXPECT_EQ(m_boxes.texts()[0], file.filename().string() + " will be copied into:  " +
                                              (dev / c.relative).string());
        } else {
            EXPECT_EQ(m_fileDir.str(), file.parent_path().string());
            EXPECT_TRUE(m_boxes.texts().empty());
        }
    }
}

TEST_F(SiteFileCopyTest, AFileOutsideIsCopiedIntoTheTargetOnOk) {
    // "dev2" shares the development folder's letters but is outside it; "DEV" differs in case.
    for (const char* outside : {"elsewhere", "dev2", "DEV"}) {
        SCOPED_TRACE(outside);
        const fs::path file = m_temp.path() / outside / (std::string(outside) + ".gif");
        WriteFile(file, outside);
        m_relativeDir = "images";
        m_boxes.Clear();
        m_boxes.Answer(IDOK);
        EXPECT_EQ(Run(file).value_or("-").str(), file.filename().string());
        const fs::path copy = m_temp.path() / "dev" / "images" / file.filename();
        EXPECT_EQ(ReadFile(copy), outside);
        EXPECT_EQ(m_relativeDir, CString("images"));
        EXPECT_EQ(m_fileDir.str(), (m_temp.path() / "dev" / "images").string());
        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.shown()[0].type, MB_OKCANCEL | MB_ICONQUESTION);
    }
}

TEST_F(SiteFileCopyTest, CancelAtTheQuestionOrInTheChooserCopiesNothing) {
    const fs::path file = m_temp.path() / "elsewhere" / "a.gif";
    WriteFile(file, "a");
    m_boxes.Answer(IDCANCEL);
    EXPECT_FALSE(Run(file).has_value());
    EXPECT_FALSE(Run(std::nullopt).has_value());
    EXPECT_FALSE(fs::exists(m_temp.path() / "dev" / "images" / "a.gif"));
    EXPECT_EQ(m_fileName, CString("old.gif"));
    EXPECT_EQ(m_relativeDir, CString("images"));
}

TEST_F(SiteFileCopyTest, ANameTakenInTheTargetIsKeptAndTheCopyFails) {
    const fs::path file = m_temp.path() / "elsewhere" / "taken.gif";
    WriteFile(file, "new");
    WriteFile(m_temp.path() / "dev" / "images" / "taken.gif", "old");
    m_boxes.Answer(IDOK);
    EXPECT_FALSE(Run(file).has_value());
    EXPECT_EQ(ReadFile(m_temp.path() / "dev" / "images" / "taken.gif"), "old");
    ASSERT_EQ(m_boxes.texts().size(), 2u);
    EXPECT_EQ(m_boxes.texts()[1], "Unable to copy:  taken.gif");
    EXPECT_EQ(m_fileName, CString("old.gif"));
}

TEST_F(SiteFileCopyTest, AMissingTargetIsCreatedOnYesOnly) {
    const fs::path file = m_temp.path() / "elsewhere" / "n.gif";
    WriteFile(file, "n");
    const std::string target = (m_temp.path() / "dev" / "new").string();
    const std::string question = "Should this directory be created?\n\n" + target;

    m_relativeDir = "new";
    m_boxes.Answer(IDNO);
    EXPECT_FALSE(Run(file).has_value());
    EXPECT_FALSE(fs::exists(target));
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].text, question);
    EXPECT_EQ(m_boxes.shown()[0].type, MB_YESNO | MB_ICONQUESTION);

    m_boxes.Clear();
    m_boxes.Answer(IDYES);
    m_boxes.Answer(IDOK);
    EXPECT_EQ(Run(file).value_or("-"), CString("n.gif"));
    EXPECT_TRUE(fs::exists(fs::path(target) / "n.gif"));
}

TEST_F(SiteFileCopyTest, AFolderThatCannotBeMadeIsReported) {
    // Two levels missing: only one is made.
    m_relativeDir = "a/b";
    m_boxes.Answer(IDYES);
    bool asked = false;
    QZSiteFileCopy copy(Dev(), [&](const CString&, const CString&) {
        asked = true;
        return std::optional<CString>();
    });
    EXPECT_FALSE(copy.Run("", m_fileName, m_relativeDir, m_fileDir).has_value());
    EXPECT_FALSE(asked);
    const std::string target = (m_temp.path() / "dev" / "a" / "b").string();
    ASSERT_EQ(m_boxes.texts().size(), 2u);
    EXPECT_EQ(m_boxes.texts()[1], "Unable to create Path:  " + target);
}

} // namespace

namespace {

// A map file always ends up in the image's folder: taken there, copied from outside or from
// elsewhere in the site after the question, and the folder never changes.
TEST_F(SiteFileCopyTest, AFileThatMustLieInTheFolderIsCopiedThereFromAnywhereElse) {
    struct Case {
        fs::path chosen;
        bool copied;
    };
    const Case cases[] = {
        {m_temp.path() / "dev" / "images" / "here.map", false},
        {m_temp.path() / "elsewhere" / "out.map", true},
        {m_temp.path() / "dev" / "other" / "deep" / "in.map", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen.string());
        WriteFile(c.chosen, "map");
        m_boxes.Clear();
        QZSiteFileCopy copy(Dev(), [&](const CString& initial, const CString&) {
            m_initial = initial.str();
            return std::optional<CString>(c.chosen.string().c_str());
        });
        const std::optional<CString> name =
            copy.RunInto("Map Files (*.map)|*.map||", "logo.map", m_relativeDir,
                         "This map file will be copied into:  %s");
        EXPECT_EQ(name.value_or("-"), CString(c.chosen.filename().string().c_str()));
        EXPECT_EQ(m_initial, (m_temp.path() / "dev" / "images" / "logo.map").string());
        const std::string target = (m_temp.path() / "dev" / "images").string();
        EXPECT_EQ(m_boxes.texts(), c.copied ? std::vector<std::string>{"This map file will be "
                                                                       "copied into:  " +
                                                                       target}
                                            : std::vector<std::string>{});
        EXPECT_TRUE(fs::exists(m_temp.path() / "dev" / "images" / c.chosen.filename()));
        EXPECT_EQ(m_relativeDir, CString("images"));
    }
    // Cancelling the question copies nothing.
    const fs::path outside = m_temp.path() / "elsewhere" / "no.map";
    WriteFile(outside, "map");
    m_boxes.Answer(IDCANCEL);
    QZSiteFileCopy copy(Dev(), [&](const CString&, const CString&) {
        return std::optional<CString>(outside.string().c_str());
    });
    EXPECT_FALSE(copy.RunInto("", "", m_relativeDir, "This map file will be copied into:  %s"));
    EXPECT_FALSE(fs::exists(m_temp.path() / "dev" / "images" / "no.map"));
}

} // namespace
