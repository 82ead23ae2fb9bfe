// The Import Images dialog on a real display, with the desktop's file chooser: GIF and JPEG
// files picked in the image directory itself are taken as they are, files picked elsewhere are
// copied in after the user agreed (never over a file of the same name), and OK makes one image
// row per file with its size, width and height. Choosing another site moves the development
// path and forgets the picks; the image directory's name is checked before anything is made.

#include "platform/core/MessageBox.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/QZImageImport.h"
#include "shell/QZImageSize.h"
#include "tests/content/GenerationFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"
#include "tests/shell/GifHeader.h"
#include "tests/support/FileChooserScript.h"

#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// Plays the user at the Import Images dialog only; the file choosers are the other script's.
class ImportScript : public DialogScript {
public:
    using DialogScript::DialogScript;

protected:
    int Enter(wxDialog* dialog) override {
        if (dynamic_cast<wxFileDialog*>(dialog))
            return wxID_NONE;
        return DialogScript::Enter(dialog);
    }
};

class ImageImportTest : public GenerationTest {
protected:
    void SetUp() override {
        GenerationTest::SetUp();
        RegisterResources();
        m_target = UnderRoot("dev/site/news/img");
        m_elsewhere = UnderRoot("pictures");
        fs::create_directories(m_elsewhere);
    }

    static wxTextCtrl* Text(wxDialog* d, int id) { return DialogScript::Item<wxTextCtrl>(d, id); }
    static std::string Names(wxDialog* d) {
        return Text(d, IDC_IIMG_FILENAMES)->GetValue().utf8_string();
    }
    static std::string DevelopPath(wxDialog* d) {
        auto* label = DialogScript::Item<wxStaticText>(d, IDC_IIMG_DEVPATH);
        return label ? label->GetLabel().utf8_string() : "";
    }
    // Picks the file in the chooser that "..." opens.
    void Pick(wxDialog* d, const std::string& path) {
        m_chooser.Choose(path);
        DialogScript::Click(d, IDC_IIMG_BROWSE);
    }
    std::string Column(const std::string& name, const char* column) {
        return TextOf("Images", column, "Name = " + Quote(name));
    }
    std::string TextOf(const std::string& table, const char* column, const std::string& where) {
        CDaoDatabase db;
        db.Open(m_path.c_str());
        CDaoRecordset rows(&db);
        rows.Open(dbOpenSnapshot,
                  ("SELECT " + std::string(column) + " FROM " + table + " WHERE " + where).c_str());
        std::string value = "<none>";
        if (!rows.IsEOF()) {
            COleVariant field = rows.GetFieldValue(0);
            field.ChangeType(VT_BSTR);
            value = CString(field.bstrVal).str();
        }
        rows.Close();
        db.Close();
        return value;
    }
    // "size width x height" of the image row.
    std::string Measured(const std::string& name) {
        return Column(name, "ImageFileSize") + " " + Column(name, "Width") + "x" +
               Column(name, "Height");
    }
    int Run(std::function<void(wxDialog*)> script) {
        ImportScript driver(std::move(script));
        QZImageImport dialog;
        const int result = static_cast<int>(dialog.DoModal());
        EXPECT_EQ(driver.opened, 1);
        return result;
    }

    FileChooserScript m_chooser;
    std::string m_target;
    std::string m_elsewhere;
};

TEST_F(ImageImportTest, AGifIsMeasuredFromItsHeaderAndAJpgThroughTheReader) {
    const std::string five = (TestDataDir() / "images" / "five.jpg").string();
    struct Case {
        const char* name;
        std::string content; // empty: a copy of five.jpg (5 x 4)
        LONG width;
        LONG height;
        BOOL measured;
    } cases[] = {
        {"wide.gif", Gif(456, 300), 456, 300, TRUE},
        {"high.gif", Gif(300, 200), 300, 200, TRUE}, // 200 is 0xC8: bytes read unsigned
        {"cut.gif", Gif(456, 300).substr(0, 8), 0, 0, FALSE},
        {"six.gif", Gif(456, 300).substr(0, 6), 0, 0, FALSE},
        {"photo.jpg", "", 5, 4, TRUE},
        {"PHOTO.JPG", "", 5, 4, TRUE},
        {"photo.jpeg", "", 0, 0, FALSE},
        {"noextension", "plain text", 0, 0, FALSE},
        {"junk.jpg", "abc", 0, 0, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = m_elsewhere + "/" + c.name;
        c.content.empty() ? (void)fs::copy_file(five, path) : WriteFile(path, c.content);
        const QZImageSize size = MeasureImageFile(path.c_str());
        EXPECT_TRUE(size.opened);
        EXPECT_EQ(size.fileSize, static_cast<LONG>(fs::file_size(path)));
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
        EXPECT_EQ(size.measured, c.measured);
    }
    EXPECT_FALSE(MeasureImageFile((m_elsewhere + "/missing.gif").c_str()).opened);
}

TEST_F(ImageImportTest, FilesInTheImageDirectoryAreTakenAsTheyAre) {
    fs::create_directories(m_target);
    WriteFile(m_target + "/my logo.gif", Gif(456, 300));
    WriteFile(m_target + "/cut.gif", Gif(1, 1).substr(0, 8));
    EXPECT_EQ(Run([&](wxDialog* d) {
                  EXPECT_EQ(d->GetTitle().utf8_string(), "Import Images");
                  EXPECT_EQ(DevelopPath(d), UnderRoot("dev/site/news"));
                  Text(d, IDC_IIMG_DIRECTORY)->SetValue("img");
                  Pick(d, m_target + "/my logo.gif");
                  Pick(d, m_target + "/cut.gif");
                  EXPECT_EQ(Names(d), "my logo.gif cut.gif ");
                  DialogScript::Click(d, IDOK);
              }),
              IDOK);
    EXPECT_TRUE(m_boxes.texts().empty());
    EXPECT_EQ(Measured("my logo.gif"), "13 456x300");
    EXPECT_EQ(Measured("cut.gif"), "8 0x0");
    EXPECT_EQ(Column("my logo.gif", "FileName"), "my logo.gif");
    EXPECT_EQ(Column("my logo.gif", "Directory"), "img");
    EXPECT_EQ(Column("my logo.gif", "SectionID"), "20");
    EXPECT_EQ(Column("my logo.gif", "ServiceID"), "10");
    EXPECT_EQ(fs::file_size(m_target + "/my logo.gif"), 13u);
}

TEST_F(ImageImportTest, FilesFromElsewhereAreCopiedInAfterTheQuestion) {
    const std::string five = (TestDataDir() / "images" / "five.jpg").string();
    for (const char* name : {"photo.jpg", "PHOTO2.JPG", "photo3.jpeg"})
        fs::copy_file(five, m_elsewhere + "/" + name);
    WriteFile(m_elsewhere + "/dup.gif", Gif(2, 2));
    fs::create_directories(m_target);
    WriteFile(m_target + "/dup.gif", "already here");
    const std::string question = "These images will be copied into:  " + m_target;
    Run([&](wxDialog* d) {
        Text(d, IDC_IIMG_DIRECTORY)->SetValue("img");
        m_boxes.Answer(IDCANCEL);
        Pick(d, m_elsewhere + "/photo.jpg");
        EXPECT_EQ(m_boxes.texts(), Texts{question});
        EXPECT_FALSE(fs::exists(m_target + "/photo.jpg"));
        EXPECT_EQ(Names(d), "");
        for (const char* name : {"photo.jpg", "PHOTO2.JPG", "photo3.jpeg", "dup.gif"}) {
            m_boxes.Answer(IDOK);
            Pick(d, m_elsewhere + "/" + name);
        }
        EXPECT_EQ(Names(d), "photo.jpg PHOTO2.JPG photo3.jpeg ");
        DialogScript::Click(d, IDOK);
    });
    EXPECT_EQ(m_boxes.texts(), (Texts{question, question, question, question, question,
                                      "Unable to copy:  dup.gif"}));
    EXPECT_EQ(Measured("photo.jpg"), std::to_string(fs::file_size(five)) + " 5x4");
    EXPECT_EQ(Measured("PHOTO2.JPG"), std::to_string(fs::file_size(five)) + " 5x4");
    EXPECT_EQ(Measured("photo3.jpeg"), std::to_string(fs::file_size(five)) + " 0x0");
    EXPECT_EQ(Column("dup.gif", "Width"), "<none>");
    EXPECT_EQ(ReadFile(m_target + "/dup.gif"), "already here");
    EXPECT_EQ(ReadFile(m_target + "/PHOTO2.JPG"), ReadFile(five));
}

TEST_F(ImageImportTest, TheImageDirectoryIsCheckedAndMadeOnlyWhenTheUserAgrees) {
    Run([&](wxDialog* d) {
        // Pasted text is not filtered as it is typed: the name is checked before anything.
        Text(d, IDC_IIMG_DIRECTORY)->SetValue("a b");
        DialogScript::Click(d, IDC_IIMG_BROWSE);
        EXPECT_EQ(m_boxes.texts(), Texts{"Invalid directory name:  a b"});
        m_boxes.Clear();
        Text(d, IDC_IIMG_DIRECTORY)->SetValue("img");
        m_boxes.Answer(IDNO);
        DialogScript::Click(d, IDC_IIMG_BROWSE);
        EXPECT_EQ(m_boxes.texts(), Texts{"Should this directory be created?\n\n" + m_target});
        EXPECT_FALSE(fs::exists(m_target));
        m_boxes.Answer(IDYES);
        m_chooser.Cancel();
        DialogScript::Click(d, IDC_IIMG_BROWSE);
        EXPECT_TRUE(fs::is_directory(m_target));
        DialogScript::Click(d, IDCANCEL);
    });
    EXPECT_TRUE(m_chooser.shown.size() == 1 && m_chooser.shown[0].folder == m_target);
}

TEST_F(ImageImportTest, AnotherSiteMovesTheDevelopmentPathAndForgetsThePicks) {
    Insert("Services", "DbID, ServiceID, Name, Directory, DevelopPath, Deleted",
           "5, 11, 'Beta', 'beta', 'C:\\dev2', 0");
    Insert("Sections",
           "DbID, SectionID, SectionName, SectionTitle, Directory, ServiceDbID, ServiceID, "
           "Deleted",
           "5, 22, 'shop', 'Shop', 'shop', 5, 11, 0");
    fs::create_directories(m_target);
    WriteFile(m_target + "/a.gif", Gif(3, 3));
    Run([&](wxDialog* d) {
        Text(d, IDC_IIMG_DIRECTORY)->SetValue("img");
        Pick(d, m_target + "/a.gif");
        EXPECT_EQ(Names(d), "a.gif ");
        auto* sites = DialogScript::Item<wxComboBox>(d, IDC_IIMG_SERVICE);
        DialogScript::Pick(sites, sites->FindString("Beta"));
        EXPECT_EQ(DialogScript::Entries(DialogScript::Item<wxComboBox>(d, IDC_IIMG_SECTION)),
                  Texts{"shop"});
        EXPECT_EQ(DevelopPath(d), UnderRoot("dev2/beta/shop"));
        EXPECT_EQ(Names(d), "");
        DialogScript::Click(d, IDOK);
    });
    EXPECT_EQ(Column("a.gif", "Width"), "<none>");
}

} // namespace
