// The image command: the image tag of a stored image with its row's defaults, the parameters
// that override them, image maps, keys in every form, its errors and its dependency rows.
#include "db/QZRecordsetCaches.h"
#include "tests/content/ObjectCommandFixture.h"

namespace {

using ImageCommandTest = ObjectCommandTest;

const char* const kLogo = "<img src=\"../../site/news/img/logo.gif\" alt=\"Logo\"";

TEST_F(ImageCommandTest, AKeyAloneWritesTheRowsValuesAndAlignsInTheMiddle) {
    EXPECT_EQ(Body("<<image :3>>"), std::string(kLogo) + " align=middle border=0 height=31 "
                                                         "width=88 hspace=0 vspace=0>");
    EXPECT_TRUE(ErrorTexts().empty());
    EXPECT_EQ(DependentsOf(40), std::vector<std::string>{"5:40@2 -> 5:3@4"});
}

TEST_F(ImageCommandTest, ParametersOverrideTheRow) {
    struct Case {
        const char* parameters;
        const char* attributes;
    } cases[] = {
        {"align=left", " align=left border=0 height=31 width=88 hspace=0 vspace=0"},
        {"align=7", " border=0 height=31 width=88 hspace=0 vspace=0"},
        {"align=2.9", " align=top border=0 height=31 width=88 hspace=0 vspace=0"},
        {"width=10.9, height=0", " align=middle border=0 width=10 hspace=0 vspace=0"},
        {"border=2, hspace=4, vspace=5",
         " align=middle border=2 height=31 width=88 hspace=4 vspace=5"},
        {"other=\"class=logo\", usemap=\"#nav\"",
         " align=middle border=0 height=31 width=88 hspace=0 vspace=0 class=logo "
         "usemap=\"#nav\""},
        // A value of the wrong type counts as absent.
        {"border=\"2\", width=\"9\", other=3",
         " align=middle border=0 height=31 width=88 hspace=0 vspace=0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parameters);
        EXPECT_EQ(Body(std::string("<<image :3, ") + c.parameters + ">>"),
                  std::string(kLogo) + c.attributes + ">");
    }
    EXPECT_TRUE(ErrorTexts().empty());
}

TEST_F(ImageCommandTest, AltTakesATextOnlyElseTheRowsText) {
    EXPECT_EQ(Body("<<image :3, alt=\"Acme logo\">>|<<image :3, alt=5>>"),
              "<img src=\"../../site/news/img/logo.gif\" alt=\"Acme logo\" align=middle border=0 "
              "height=31 width=88 hspace=0 vspace=0>|" +
                  std::string(kLogo) +
                  " align=middle border=0 height=31 width=88 hspace=0 vspace=0>");
}

TEST_F(ImageCommandTest, IsmapWrapsTheTagInALinkToTheMapFile) {
    EXPECT_EQ(Body("<<image :3, ismap, height=0>>"),
              "<a href=\"../../site/news/img/logo.map\">" + std::string(kLogo) +
                  " align=middle border=0 width=88 hspace=0 vspace=0 ismap></a>");
    // Without a map file the link ends in the image's directory.
    Update(ContentKindOf(OBJ_IMAGE), 3, "MapFile = ''");
    std::string body = Body("<<image :3, ismap>>");
    EXPECT_EQ(body.substr(0, body.find("<img")), "<a href=\"../../site/news/img/\">");
}

TEST_F(ImageCommandTest, EmptyDirectoriesAreLeftOutWithTheirSlashes) {
    Update(ContentKindOf(OBJ_IMAGE), 3, "Directory = '', SectionID = 99");
    EXPECT_EQ(Body("<<image :3, hspace=1>>").substr(0, 44),
              "<img src=\"../../site/logo.gif\" alt=\"Logo\" al");
}

TEST_F(ImageCommandTest, KeysComeFromKeysTextsAndVariables) {
    const char* texts[] = {"<<image \"5:3\">>", "<<image \"0:3@image\">>", "<<image \"5:3@page\">>",
                           "<<image picture=:3>>", "<<image 5:3@image>>"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Body(text).substr(0, 41), std::string(kLogo).substr(0, 41));
    }
    EXPECT_TRUE(ErrorTexts().empty());
}

TEST_F(ImageCommandTest, BadKeysAreReportedWithTheirLineAndWriteNothing) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"<<image>>", "image: no valid image key specified"},
        {"<<image alt=\"Logo\">>", "image: no valid image key specified"},
        {"<<image width=3>>", "image: no valid image key specified"},
        {"<<image \"none\">>", "image: no valid image key specified"},
        {"<<image k=3:99>>", "image: invalid image key k=3:99 specified"},
        {"<<image 3:99>>", "image: invalid image key 3:99 specified"},
        {"<<image \"5:98\">>", "image: invalid image key 5:98 specified"},
        {"<<image :99>>", "image: invalid image key 5:99 specified"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Body(std::string("a\n") + c.text + "b"), "a\nb");
        ASSERT_FALSE(Errors().empty());
        EXPECT_EQ(Errors().back(), std::string("Page :40, Line 2: error: ") + c.error);
        m_messages.Clear();
    }
    EXPECT_TRUE(DependentsOf(40).empty());
}

TEST_F(ImageCommandTest, AMissingKeyIsReportedOnlyWhileGenerating) {
    auto page = EditPage("<<image>>");
    QZCommandBase* command = page->SetSourceText("<<image alt=\"x\">>");
    ASSERT_NE(command, nullptr);
    command->EditProperties();
    EXPECT_TRUE(ErrorTexts().empty());
}

TEST_F(ImageCommandTest, TheCommandIsWrittenBackAsStored) {
    auto page = EditPage("");
    CString text = "<<image  :3, alt=\"A, b\" ,ismap>>";
    page->SetText(text);
    ASSERT_EQ(page->Save(), 1);
    // Keys in the parser's own form; the rest as written.
    EXPECT_EQ(Text(ContentKindOf(OBJ_PAGE), 40, "ScriptBody"),
              "<<image 5:3, alt=\"A, b\" ,ismap>>");
}

} // namespace
