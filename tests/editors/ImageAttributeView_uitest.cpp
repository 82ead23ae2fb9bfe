// The image editor's "Properties" tab on a real site database: each field loaded, changed and
// saved, the limits and column ranges of the exchange, the image file measured when chosen, and
// the map file brought beside the image.

#include "content/QZVantrelImage.h"
#include "editors/QZImageAttributeView.h"
#include "res/ImageViewResources.h"
#include "tests/editors/AttributeViewFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/GifHeader.h"
#include "tests/support/FileChooserScript.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ImageAttributeViewTest : public AttributeViewTest {
protected:
    void SetUp() override {
        AttributeViewTest::SetUp();
        AddKindRow(
            Image(), 3, "Logo",
            "AlternateText, FileName, Directory, MapFile, HSpace, VSpace, Width, Height, "
            "BorderWidth, ImageFileSize, ServiceDbID, ServiceID, SectionDbID, SectionID",
            "'Our logo', 'logo.gif', 'img', 'logo.map', 2, 3, 88, 31, 1, 1234, 5, 10, 5, 20");
        fs::create_directories(UnderRoot("dev/site/news/img"));
    }
    static const EditorKind& Image() { return KindOf(OBJ_IMAGE); }
    CFormView* OpenImage() { return OpenTab(OBJ_IMAGE, 3, "QZImageAttributeView"); }

    FileChooserScript m_chooser;
};

TEST_F(ImageAttributeViewTest, EachFieldIsLoadedChangedAndSaved) {
    CheckFields(Image(), 3, "QZImageAttributeView",
                {
                    {IDC_ATTR_ALTERNATE_TEXT, "Our logo", "Home", "AlternateText", "Home"},
                    {IDC_ATTR_FILE_NAME, "logo.gif", "mast.gif", "FileName", "mast.gif"},
                    {IDC_ATTR_DIRECTORY, "img", "pics", "Directory", "pics"},
                    {IDC_ATTR_MAP_FILE, "logo.map", "mast.map", "MapFile", "mast.map"},
                    {IDC_ATTR_HSPACE, "2", "255", "HSpace", "255", true},
                    {IDC_ATTR_VSPACE, "3", "0", "VSpace", "0", true},
                    {IDC_ATTR_WIDTH, "88", "32767", "Width", "32767", true},
                    {IDC_ATTR_HEIGHT, "31", "480", "Height", "480", true},
                    {IDC_ATTR_BORDER, "1", "-4", "BorderWidth", "-4", true},
                });
    CFormView* form = OpenImage();
    EXPECT_EQ(TextOf(form, IDC_ATTR_SIZE), "1.234 kb");
    EXPECT_EQ(TextOf(form, IDC_ATTR_RELATIVE_PATH), "site/news");
}

TEST_F(ImageAttributeViewTest, TextsOverTheirLimitsAndNumbersOutsideTheirColumnsAreRefused) {
    CheckLimits(Image(), 3, "QZImageAttributeView",
                {{IDC_ATTR_ALTERNATE_TEXT, 255, "AlternateText"},
                 {IDC_ATTR_FILE_NAME, 30, "FileName"},
                 {IDC_ATTR_MAP_FILE, 50, "MapFile"},
                 {IDC_ATTR_DIRECTORY, 30, "Directory"}});
    CheckRefused(Image(), 3, "QZImageAttributeView", IDC_ATTR_HSPACE, "300",
                 "Please enter an integer between 0 and 255.", "HSpace", true);
    CheckRefused(Image(), 3, "QZImageAttributeView", IDC_ATTR_WIDTH, "70000",
                 "Please enter an integer between 0 and 32767.", "Width", true);
    CheckRefused(Image(), 3, "QZImageAttributeView", IDC_ATTR_HEIGHT, "-1",
                 "Please enter a positive integer.", "Height", true);
    CheckRefused(Image(), 3, "QZImageAttributeView", IDC_ATTR_BORDER, "wide",
                 "Please enter an integer.", "BorderWidth", true);
}

TEST_F(ImageAttributeViewTest, AChosenImageFileIsMeasuredFromItsHeader) {
    const std::string five = (TestDataDir() / "images" / "five.jpg").string();
    struct Case {
        const char* name;
        std::string content; // empty: a copy of five.jpg (5 x 4)
        const char* width;   // what the form shows after it: unmeasured files keep the sizes
        const char* height;
    } cases[] = {
        {"wide.gif", Gif(300, 200) + std::string(1234 - 13, 'x'), "300", "200"},
        {"A.JPG", "", "5", "4"},
        {"a.jpeg", "", "5", "4"},
        {"plain", "no picture", "5", "4"},
        {"six.gif", "GIF89a", "5", "4"},
    };
    CFormView* form = OpenImage();
    ASSERT_NE(form, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = UnderRoot("elsewhere/") + c.name;
        c.content.empty() ? (void)fs::copy_file(five, path) : WriteFile(path, c.content);
        m_boxes.Clear();
        m_chooser.Choose(path);
        form->SendMessage(WM_COMMAND, IDC_ATTR_BROWSE_FILE);
        const std::string target = UnderRoot("dev/site/news/img");
        EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{std::string(c.name) +
                                                            " will be copied into:  " + target});
        EXPECT_TRUE(fs::exists(target + "/" + c.name));
        EXPECT_EQ(TextOf(form, IDC_ATTR_FILE_NAME), c.name);
        EXPECT_EQ(TextOf(form, IDC_ATTR_WIDTH), c.width);
        EXPECT_EQ(TextOf(form, IDC_ATTR_HEIGHT), c.height);
        char size[32];
        std::snprintf(size, sizeof size, "%.3f kb", fs::file_size(path) * 0.001);
        EXPECT_EQ(TextOf(form, IDC_ATTR_SIZE), size);
    }
    ActiveDocument()->SaveObject();
    EXPECT_EQ(NumberOf(Image(), 3, "ImageFileSize"), 6);
    EXPECT_EQ(Column(Image(), 3, "FileName"), "six.gif");
    EXPECT_EQ(NumberOf(Image(), 3, "Width"), 5);
}

TEST_F(ImageAttributeViewTest, TheGifOfTheDoneCaseGivesItsSizesAndCancellingChangesNothing) {
    CFormView* form = OpenImage();
    ASSERT_NE(form, nullptr);
    const std::string path = UnderRoot("dev/site/news/img/banner.gif");
    WriteFile(path, Gif(300, 200) + std::string(1234 - 13, '\0'));
    m_chooser.Cancel();
    form->SendMessage(WM_COMMAND, IDC_ATTR_BROWSE_FILE);
    EXPECT_EQ(TextOf(form, IDC_ATTR_FILE_NAME), "logo.gif");
    m_chooser.Choose(path);
    form->SendMessage(WM_COMMAND, IDC_ATTR_BROWSE_FILE);
    EXPECT_TRUE(m_boxes.texts().empty()) << "a file in the image's folder is taken there";
    EXPECT_EQ(TextOf(form, IDC_ATTR_WIDTH), "300");
    EXPECT_EQ(TextOf(form, IDC_ATTR_HEIGHT), "200");
    EXPECT_EQ(TextOf(form, IDC_ATTR_SIZE), "1.234 kb");
}

TEST_F(ImageAttributeViewTest, AMapFileFromOutsideIsCopiedBesideTheImage) {
    CFormView* form = OpenImage();
    ASSERT_NE(form, nullptr);
    const std::string path = UnderRoot("elsewhere/areas.map");
    WriteFile(path, "rect 0,0 10,10 /");
    m_chooser.Choose(path);
    form->SendMessage(WM_COMMAND, IDC_ATTR_BROWSE_MAP);
    const std::string target = UnderRoot("dev/site/news/img");
    EXPECT_EQ(m_boxes.texts(),
              std::vector<std::string>{"This map file will be copied into:  " + target});
    EXPECT_TRUE(fs::exists(target + "/areas.map"));
    ASSERT_EQ(m_chooser.shown.size(), 1u);
    EXPECT_EQ(m_chooser.shown[0].folder, target);
    EXPECT_EQ(TextOf(form, IDC_ATTR_MAP_FILE), "areas.map");
    EXPECT_EQ(TextOf(form, IDC_ATTR_DIRECTORY), "img") << "the image's directory stays";
    ActiveDocument()->SaveObject();
    EXPECT_EQ(Column(Image(), 3, "MapFile"), "areas.map");
    EXPECT_EQ(Column(Image(), 3, "Directory"), "img");
}

} // namespace
