// The style editor's "Style" tab on a real site database: colours compared by value (a stored
// text in small letters left alone, a changed one stored in capitals), the background image
// offered from the style's own site, "None" storing the empty key.

#include "editors/QZStyleSheet.h"
#include "res/ImageViewResources.h"
#include "tests/editors/AttributeViewFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

class StyleSheetTest : public AttributeViewTest {
protected:
    void SetUp() override {
        AttributeViewTest::SetUp();
        Insert("Services", "DbID, ServiceID, Name, Directory, Deleted", "5, 11, 'Beta', 'beta', 0");
        AddKindRow(KindOf(OBJ_IMAGE), 3, "Logo", "ServiceDbID, ServiceID", "5, 10");
        AddKindRow(KindOf(OBJ_IMAGE), 4, "Beta logo", "ServiceDbID, ServiceID", "5, 11");
        const std::string columns = "ServiceDbID, ServiceID, BackImageDbID, BackImageID, "
                                    "BackColor, TextColor, LinkColor, UsedLinkColor, "
                                    "ActiveLinkColor";
        AddKindRow(Style(), 30, "House", columns,
                   "5, 10, 5, 3, 'ffffee', '000033', '0000cc', '660066', 'cc0000'");
        AddKindRow(Style(), 31, "Beta", columns,
                   "5, 11, 5, 4, 'FFFFFF', '000000', '0000FF', '800080', 'FF0000'");
        AddKindRow(Style(), 32, "Shared", columns,
                   "0, 0, 5, 3, 'FFFFFF', '000000', '0000FF', '800080', 'FF0000'");
    }
    static const EditorKind& Style() { return KindOf(OBJ_STYLE); }
    QZStyleSheet* OpenStyle(LONG id) {
        return dynamic_cast<QZStyleSheet*>(OpenTab(OBJ_STYLE, id, "QZStyleSheet"));
    }
    static std::vector<std::string> Entries(CComboBox& combo) {
        std::vector<std::string> entries;
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString text;
            combo.GetLBText(i, text);
            entries.push_back(text.str());
        }
        return entries;
    }
};

TEST_F(StyleSheetTest, ColoursAreComparedByValueAndAChangedOneIsStoredInCapitals) {
    QZStyleSheet* style = OpenStyle(30);
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->m_wellBackColor.GetColor(), RGB(0xFF, 0xFF, 0xEE));
    EXPECT_EQ(style->m_wellLinkColor.GetColor(), RGB(0, 0, 0xCC));
    QZDocument* document = ActiveDocument();
    document->UpdateObjectFromViews();
    EXPECT_FALSE(document->IsModified());
    document->SaveObject();
    EXPECT_EQ(Column(Style(), 30, "BackColor"), "ffffee") << "not rewritten";

    style->m_wellLinkColor.SetColor(RGB(0x12, 0xAB, 0xCD));
    document->UpdateObjectFromViews();
    EXPECT_TRUE(document->IsModified());
    document->SaveObject();
    EXPECT_EQ(Column(Style(), 30, "LinkColor"), "12ABCD");
    EXPECT_EQ(Column(Style(), 30, "BackColor"), "ffffee");
    EXPECT_EQ(Column(Style(), 30, "ActiveLinkColor"), "cc0000");
}

TEST_F(StyleSheetTest, NoneStoresTheEmptyKey) {
    QZStyleSheet* style = OpenStyle(30);
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(Entries(style->m_cbImage), (std::vector<std::string>{"None", "Logo  (:3)"}));
    EXPECT_EQ(style->m_cbImage.GetCurSel(), 1);
    style->m_cbImage.SetCurSel(0);
    QZDocument* document = ActiveDocument();
    document->UpdateObjectFromViews();
    EXPECT_TRUE(document->IsModified());
    document->SaveObject();
    EXPECT_EQ(NumberOf(Style(), 30, "BackImageDbID"), 0);
    EXPECT_EQ(NumberOf(Style(), 30, "BackImageID"), 0);
}

TEST_F(StyleSheetTest, TheImagesOfferedAreThoseOfTheStylesOwnSite) {
    // The selected site is 5:10; style 31 belongs to 5:11.
    QZStyleSheet* beta = OpenStyle(31);
    ASSERT_NE(beta, nullptr);
    ActiveDocument()->UpdateObjectFromViews();
    EXPECT_FALSE(ActiveDocument()->IsModified());
    CloseAll();
    struct Case {
        LONG style;
        std::vector<std::string> entries;
        LONG image;
    } cases[] = {
        {31, {"None", "Beta logo  (:4)"}, 4},
        // A style of no site offers the selected site's images.
        {32, {"None", "Logo  (:3)"}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        QZStyleSheet* style = OpenStyle(c.style);
        ASSERT_NE(style, nullptr);
        EXPECT_EQ(Entries(style->m_cbImage), c.entries);
        EXPECT_EQ(style->m_cbImage.GetCurSel(), 1);
        ActiveDocument()->SaveObject();
        EXPECT_EQ(NumberOf(Style(), c.style, "BackImageID"), c.image) << "the image stays";
    }
}

} // namespace
