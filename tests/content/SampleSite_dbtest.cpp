// A sample site generated at a fixed time and draw, byte for byte as the golden files under
// tests/data/content/sample-site: two sections (one nested two levels deep, its interpreter
// links below its own directory), static pages in nested directories, a dynamic page, a page
// behind access control, and the image (with its map), link, extlink, ActiveX, applet, media,
// macro and weighted ad space commands between them. MQ_UPDATE_GOLDEN=1 rewrites the files.
#include "tests/content/ObjectCommandFixture.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class SampleSiteTest : public ObjectCommandTest {
protected:
    void SetUp() override {
        ObjectCommandTest::SetUp();
        Insert("Sections",
               "DbID, SectionID, SectionName, SectionTitle, Directory, ServiceDbID, ServiceID, "
               "StyleDbID, StyleID, SecureCGI, Deleted",
               "5, 21, 'shop', 'Winter Shop', 'shop/winter', 5, 10, 5, 30, 1, 0");
        AddRow(ContentKindOf(OBJ_IMAGE), 4, "Boots",
               "ServiceDbID, ServiceID, SectionDbID, SectionID, FileName, Directory, "
               "AlternateText, Height, Width",
               "5, 10, 5, 21, 'boots.jpg', 'pictures', 'Winter boots', 120, 160");
        AddRow(ContentKindOf(OBJ_AD), 8, "Boots offer",
               "ServiceDbID, ServiceID, ImageDbID, ImageID", "5, 10, 5, 4");
        Update(ContentKindOf(OBJ_ADSPACE), 12,
               "AdPercent1 = 40, DbID2 = 5, AdID2 = 8, AdPercent2 = 60");
        AddMacro(13, "Footer",
                 "<p class=\"footer\"><<link :43>>Archive<</link>> | "
                 "<<link :3@image>>Our logo<</link>></p>\n");
        Update(ContentKindOf(OBJ_PAGE), 40,
               "FileName = 'index.html', ScriptBody = " +
                   Quote("<h1>Acme News</h1>\n"
                         "<<image :3, ismap>>\n"
                         "<p><<link :41, anchor=\"sizes\">>Winter boots<</link>> |\n"
                         "<<link :42, q=\"boots & shoes\">>Search<</link>> |\n"
                         "<<extlink \"http://www.example.test/\", target=\"_blank\">>Partner"
                         "<</extlink>></p>\n"
                         "<<adspace :12>>\n"
                         "<p><<media :19, onClick=\"play()\">>Our jingle<</media>></p>\n"
                         "<<macro :13>>"));
        AddPage(41, "Winter boots", "FileName, Directory, ScriptBody",
                "'boots.html', 'sale/boots', " +
                    Quote("<<link :40>>Home<</link>>\n"
                          "<a name=\"sizes\"></a>\n"
                          "<<image :4, align=left, alt=\"Boots\", border=1>>\n"
                          "<<activex :17, tabindex=2, notab>>\n"
                          "<param name=\"Zone\" value=\"UTC\">\n"
                          "<</activex>>\n"
                          "<<java :18, width=480>><param name=\"speed\" value=\"3\"><</java>>\n"
                          "<<link :44, secure=1, item=\"boots\">>Buy now<</link>>\n"
                          "<<link :42>>Search<</link>>\n"));
        Update(ContentKindOf(OBJ_PAGE), 41, "SectionID = 21");
        AddPage(42, "Search", "FileName", "'search.html'");
        Update(ContentKindOf(OBJ_PAGE), 42, "SectionID = 21, Dynamic = 1");
        AddPage(43, "Archive", "FileName, Directory, ScriptBody",
                "'archive.html', 'archive/2024', " +
                    Quote("<<link :40, anchor=\"top\">>Back<</link>>\n<<adspace :12>>\n"));
        AddPage(44, "Basket", "FileName, ScriptBody", "'basket.html', '<p>Your basket</p>'");
        Update(ContentKindOf(OBJ_PAGE), 44, "SectionID = 21, AccessControl = 1");
    }
};

TEST_F(SampleSiteTest, TheSiteGeneratesByteForByteAsTheGoldenFiles) {
    ScriptedDraws draws({1234, 70});
    const char* const files[] = {"site/news/index.html", "site/shop/winter/sale/boots/boots.html",
                                 "site/news/archive/2024/archive.html",
                                 "site/shop/winter/basket.html"};
    for (LONG id : {40, 41, 43, 44}) {
        auto page = LoadPage(id);
        EXPECT_EQ(page->Generate(), 1) << id;
        EXPECT_EQ(page->Save(), 1) << id;
    }
    EXPECT_EQ(LoadPage(42)->Generate(), 0);
    fs::path goldens = TestDataDir() / "content" / "sample-site";
    for (const char* file : files) {
        SCOPED_TRACE(file);
        std::string generated = ReadFile(UnderRoot(std::string("dev/") + file));
        if (std::getenv("MQ_UPDATE_GOLDEN") != nullptr)
            WriteFile((goldens / file).string(), generated);
        EXPECT_EQ(generated, ReadFile((goldens / file).string()));
    }
    EXPECT_FALSE(fs::exists(UnderRoot("dev/site/shop/winter/search.html")));
    EXPECT_EQ(Errors(), std::vector<std::string>{});
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_TRUE(Impressions().empty());
}

} // namespace
