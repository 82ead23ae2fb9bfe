// The setters of services, sections and styles, and the colours of a new style.
#include "content/QZAttributes.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "tests/content/ContentFixture.h"

namespace {

using SiteStructureTest = ContentTest;

TEST_F(SiteStructureTest, ServiceAndSectionSettersReachTheirColumns) {
    const ContentKind& services = ContentKindOf(OBJ_SERVICE);
    const ContentKind& sections = ContentKindOf(OBJ_SECTION);
    AddRow(services, 7, "Site");
    AddRow(sections, 8, "News");
    QZService service(QZKeyCombo(kDbId, 7, OBJ_SERVICE), TRUE);
    service.SetName("Shop");
    service.SetDirectory("shop");
    service.SetDevelopPath("C:\\web");
    EXPECT_EQ(service.GetDirectory().str(), "shop");
    EXPECT_EQ(service.Save(), 1);
    EXPECT_EQ(Text(services, 7, "Name"), "Shop");
    EXPECT_EQ(Text(services, 7, "Directory"), "shop");
    EXPECT_EQ(Text(services, 7, "DevelopPath"), "C:\\web");

    QZSection section(QZKeyCombo(kDbId, 8, OBJ_SECTION), TRUE);
    section.SetSectionName("news");
    section.SetSectionTitle("Latest News");
    section.SetDirectory("latest");
    section.SetDefaultDocKey(5, 40);
    EXPECT_EQ(section.GetName().str(), "Latest News");
    EXPECT_EQ(section.GetDefaultDocKey().FormatFull(), "5:40");
    EXPECT_EQ(section.Save(), 1);
    EXPECT_EQ(Text(sections, 8, "SectionName"), "news");
    EXPECT_EQ(Text(sections, 8, "SectionTitle"), "Latest News");
    EXPECT_EQ(Text(sections, 8, "Directory"), "latest");
    EXPECT_EQ(Number(sections, 8, "DefaultDocID"), 40);
}

TEST_F(SiteStructureTest, ANewStyleHasTheDefaultColoursAndKeepsTheOnesSet) {
    const ContentKind& styles = ContentKindOf(OBJ_STYLE);
    QZAttributes style;
    EXPECT_EQ(style.GetBackColor().str(), "FFFFFF");
    EXPECT_EQ(style.GetTextColor().str(), "000000");
    EXPECT_EQ(style.GetLinkColor().str(), "0000FF");
    EXPECT_EQ(style.GetUsedLinkColor().str(), "770077");
    EXPECT_EQ(style.GetActiveLinkColor().str(), "FF0000");
    EXPECT_EQ(style.GetServiceKey().FormatFull(), "5:10");
    style.SetStyleName("Dark");
    style.SetBackColor("000000");
    style.SetTextColor("FFFFFF");
    style.SetLinkColor("00FF00");
    style.SetUsedLinkColor("008800");
    style.SetActiveLinkColor("FFFF00");
    EXPECT_EQ(style.Save(), 1);
    LONG id = style.GetKey().m_KeyID;
    EXPECT_EQ(style.GetStyleKey().FormatFull(), "5:" + std::to_string(id));
    for (auto [column, text] : {std::pair{"StyleName", "Dark"},
                                {"BackColor", "000000"},
                                {"TextColor", "FFFFFF"},
                                {"LinkColor", "00FF00"},
                                {"UsedLinkColor", "008800"},
                                {"ActiveLinkColor", "FFFF00"}})
        EXPECT_EQ(Text(styles, id, column), text) << column;
}

TEST_F(SiteStructureTest, AStyleLetGoWithoutSavingLeavesItsRowAndItsClaim) {
    const ContentKind& styles = ContentKindOf(OBJ_STYLE);
    AddRow(styles, 7, "Light");
    {
        QZAttributes style(QZKeyCombo(kDbId, 7, OBJ_STYLE), TRUE);
        ASSERT_TRUE(style.m_bEditable);
        style.SetStyleName("Unsaved");
        style.SetBackColor("123456");
    }
    EXPECT_EQ(Text(styles, 7, "StyleName"), "Light");
    EXPECT_EQ(Claims(OBJ_STYLE, 7), 0);
}

} // namespace
