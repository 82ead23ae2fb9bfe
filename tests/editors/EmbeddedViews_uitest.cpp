// The ActiveX, Java applet and multimedia forms on a real site database: each field loaded,
// changed and saved, numbers that do not fit their columns refused, an empty class id shown as
// "clsid:" left empty, the relative path of site and section, and a class file chosen outside
// the site copied into it.

#include "res/ImageViewResources.h"
#include "tests/editors/AttributeViewFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/FileChooserScript.h"

#include <gtest/gtest.h>

#include <wx/checkbox.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class EmbeddedViewsTest : public AttributeViewTest {
protected:
    void SetUp() override {
        AttributeViewTest::SetUp();
        AddKindRow(ActiveX(), 17, "Clock",
                   "StandBy, ClassID, Name, Data, DataType, NoTab, Shapes, HSpace, VSpace, "
                   "Width, Height, Border, ServiceDbID, ServiceID, SectionDbID, SectionID",
                   "'Loading', 'clsid:1234', 'clock', 'clock.dat', 'text/plain', 1, 0, 2, 3, "
                   "120, 60, 100000, 5, 10, 5, 20");
        AddKindRow(ActiveX(), 18, "Blank", "ServiceDbID, ServiceID, SectionDbID, SectionID",
                   "5, 10, 5, 20");
        AddKindRow(Java(), 18, "Ticker",
                   "AlternateText, Directory, Code, HSpace, VSpace, Width, Height, Download, "
                   "ServiceDbID, ServiceID, SectionDbID, SectionID",
                   "'News ticker', 'applets', 'Ticker.class', 1, 2, 300, 20, 40, 5, 10, 5, 20");
        AddKindRow(Media(), 19, "Jingle",
                   "Directory, FileName, ServiceDbID, ServiceID, "
                   "SectionDbID, SectionID",
                   "'sounds', 'jingle.wav', 5, 10, 5, 20");
    }
    static const EditorKind& ActiveX() { return KindOf(OBJ_ACTIVEX); }
    static const EditorKind& Java() { return KindOf(OBJ_JAVA); }
    static const EditorKind& Media() { return KindOf(OBJ_MEDIA); }

    FileChooserScript m_chooser;
};

TEST_F(EmbeddedViewsTest, TheActiveXFieldsAreLoadedChangedAndSaved) {
    CheckFields(ActiveX(), 17, "QZActiveXView",
                {
                    {IDC_ATTR_ALTERNATE_TEXT, "Loading", "Wait", "StandBy", "Wait"},
                    {IDC_ACTIVEX_CLASS_ID, "clsid:1234", "clsid:ABCD", "ClassID", "clsid:ABCD"},
                    {IDC_ACTIVEX_NAME, "clock", "watch", "Name", "watch"},
                    {IDC_ACTIVEX_DATA, "clock.dat", "w.dat", "Data", "w.dat"},
                    {IDC_ACTIVEX_DATA_TYPE, "text/plain", "text/xml", "DataType", "text/xml"},
                    {IDC_ATTR_HSPACE, "2", "255", "HSpace", "255", true},
                    {IDC_ATTR_VSPACE, "3", "4", "VSpace", "4", true},
                    {IDC_ATTR_WIDTH, "120", "-32768", "Width", "-32768", true},
                    {IDC_ATTR_HEIGHT, "60", "500", "Height", "500", true},
                    {IDC_ATTR_BORDER, "100000", "-7", "Border", "-7", true},
                });
    CheckLimits(ActiveX(), 17, "QZActiveXView", {{IDC_ATTR_ALTERNATE_TEXT, 255, "StandBy"}});
    CheckRefused(ActiveX(), 17, "QZActiveXView", IDC_ATTR_HSPACE, "300",
                 "Please enter an integer between 0 and 255.", "HSpace", true);
    CheckRefused(ActiveX(), 17, "QZActiveXView", IDC_ATTR_WIDTH, "70000",
                 "Please enter an integer between -32768 and 32767.", "Width", true);
}

TEST_F(EmbeddedViewsTest, TheActiveXSwitchesAreSaved) {
    CFormView* form = OpenTab(OBJ_ACTIVEX, 17, "QZActiveXView");
    ASSERT_NE(form, nullptr);
    auto box = [form](UINT id) {
        return dynamic_cast<wxCheckBox*>(form->GetDlgItem(static_cast<int>(id))->GetSafeHwnd());
    };
    EXPECT_TRUE(box(IDC_ACTIVEX_NO_TAB)->GetValue());
    EXPECT_FALSE(box(IDC_ACTIVEX_SHAPES)->GetValue());
    box(IDC_ACTIVEX_NO_TAB)->SetValue(false);
    box(IDC_ACTIVEX_SHAPES)->SetValue(true);
    ActiveDocument()->SaveObject();
    EXPECT_EQ(NumberOf(ActiveX(), 17, "NoTab"), 0);
    EXPECT_EQ(NumberOf(ActiveX(), 17, "Shapes"), 1);
}

TEST_F(EmbeddedViewsTest, AnEmptyClassIdShownAsClsidAndLeftAloneStaysEmpty) {
    CFormView* form = OpenTab(OBJ_ACTIVEX, 18, "QZActiveXView");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(TextOf(form, IDC_ACTIVEX_CLASS_ID), "clsid:");
    QZDocument* document = ActiveDocument();
    document->UpdateObjectFromViews();
    EXPECT_FALSE(document->IsModified());
    document->SaveObject();
    EXPECT_EQ(Column(ActiveX(), 18, "ClassID"), "");
}

TEST_F(EmbeddedViewsTest, TheJavaAndMultimediaFieldsAreLoadedChangedAndSaved) {
    CheckFields(Java(), 18, "QZJavaView",
                {
                    {IDC_ATTR_ALTERNATE_TEXT, "News ticker", "Ticker", "AlternateText", "Ticker"},
                    {IDC_ATTR_DIRECTORY, "applets", "java", "Directory", "java"},
                    {IDC_JAVA_CODE, "Ticker.class", "Run.class", "Code", "Run.class"},
                    {IDC_ATTR_HSPACE, "1", "5", "HSpace", "5", true},
                    {IDC_ATTR_VSPACE, "2", "6", "VSpace", "6", true},
                    {IDC_ATTR_WIDTH, "300", "400", "Width", "400", true},
                    {IDC_ATTR_HEIGHT, "20", "30", "Height", "30", true},
                    {IDC_ATTR_BORDER, "40", "50", "Download", "50", true},
                });
    CheckLimits(
        Java(), 18, "QZJavaView",
        {{IDC_ATTR_ALTERNATE_TEXT, 255, "AlternateText"}, {IDC_ATTR_DIRECTORY, 30, "Directory"}});
    CheckRefused(Java(), 18, "QZJavaView", IDC_ATTR_BORDER, "40000",
                 "Please enter an integer between -32768 and 32767.", "Download", true);
    CloseAll();
    CheckFields(Media(), 19, "QZMultiMediaView",
                {
                    {IDC_ATTR_DIRECTORY, "sounds", "audio", "Directory", "audio"},
                    {IDC_MEDIA_FILE_NAME, "jingle.wav", "chime.wav", "FileName", "chime.wav"},
                });
}

TEST_F(EmbeddedViewsTest, TheRelativePathJoinsSiteAndSectionWithoutTrailingSeparators) {
    Insert("Services", "DbID, ServiceID, Name, Directory, Deleted", "5, 12, 'Web', 'web', 0");
    Insert("Services", "DbID, ServiceID, Name, Directory, Deleted", "5, 13, 'Web2', 'web/', 0");
    Insert("Services", "DbID, ServiceID, Name, Directory, Deleted", "5, 14, 'Root', '', 0");
    Insert("Sections", "DbID, SectionID, SectionName, Directory, ServiceDbID, ServiceID, Deleted",
           "5, 21, 'news', 'news', 5, 12, 0");
    Insert("Sections", "DbID, SectionID, SectionName, Directory, ServiceDbID, ServiceID, Deleted",
           "5, 22, 'news2', 'news/', 5, 13, 0");
    Insert("Sections", "DbID, SectionID, SectionName, Directory, ServiceDbID, ServiceID, Deleted",
           "5, 23, 'top', '', 5, 14, 0");
    struct Case {
        LONG service;
        LONG section;
        const char* shown;
    } cases[] = {{12, 21, "web/news"}, {13, 22, "web/news"}, {14, 23, ""}, {12, 23, "web"}};
    LONG id = 40;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        const std::string keys =
            "5, " + std::to_string(c.service) + ", 5, " + std::to_string(c.section);
        const std::string columns = "ServiceDbID, ServiceID, SectionDbID, SectionID";
        AddKindRow(Java(), id, "Applet", columns, keys);
        AddKindRow(Media(), id, "Sound", columns, keys);
        EXPECT_EQ(TextOf(OpenTab(OBJ_JAVA, id, "QZJavaView"), IDC_ATTR_RELATIVE_PATH), c.shown);
        EXPECT_EQ(TextOf(OpenTab(OBJ_MEDIA, id, "QZMultiMediaView"), IDC_ATTR_RELATIVE_PATH),
                  c.shown);
        CloseAll();
        ++id;
    }
}

TEST_F(EmbeddedViewsTest, AClassFileFromOutsideIsCopiedIntoTheSite) {
    fs::create_directories(UnderRoot("dev/site/news/applets"));
    CFormView* form = OpenTab(OBJ_JAVA, 18, "QZJavaView");
    ASSERT_NE(form, nullptr);
    const std::string path = UnderRoot("elsewhere/Clock.class");
    WriteFile(path, "cafebabe");
    m_chooser.Choose(path);
    form->SendMessage(WM_COMMAND, IDC_ATTR_BROWSE_FILE);
    const std::string target = UnderRoot("dev/site/news/applets");
    EXPECT_EQ(m_boxes.texts(),
              std::vector<std::string>{"Clock.class will be copied into:  " + target});
    EXPECT_TRUE(fs::exists(target + "/Clock.class"));
    EXPECT_EQ(TextOf(form, IDC_JAVA_CODE), "Clock.class");
    ActiveDocument()->SaveObject();
    EXPECT_EQ(Column(Java(), 18, "Code"), "Clock.class");

    // A cancelled chooser changes nothing; the multimedia form browses the same way.
    CloseAll();
    fs::create_directories(UnderRoot("dev/site/news/sounds"));
    form = OpenTab(OBJ_MEDIA, 19, "QZMultiMediaView");
    m_chooser.Cancel();
    form->SendMessage(WM_COMMAND, IDC_ATTR_BROWSE_FILE);
    EXPECT_EQ(TextOf(form, IDC_MEDIA_FILE_NAME), "jingle.wav");
    WriteFile(UnderRoot("elsewhere/chime.wav"), "RIFF");
    m_chooser.Choose(UnderRoot("elsewhere/chime.wav"));
    form->SendMessage(WM_COMMAND, IDC_ATTR_BROWSE_FILE);
    EXPECT_TRUE(fs::exists(UnderRoot("dev/site/news/sounds/chime.wav")));
    EXPECT_EQ(TextOf(form, IDC_MEDIA_FILE_NAME), "chime.wav");
}

} // namespace
