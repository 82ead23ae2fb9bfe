// The object commands written back as template text: the whole block in modes 3 and 4, the
// opening only in modes 1 and 2, blocks left open written back open, object keys translated
// by the kind each command names, and the skeletons the editor inserts.
#include "content/commands/QZCmdActiveX.h"
#include "content/commands/QZCmdAdSpace.h"
#include "content/commands/QZCmdExtLink.h"
#include "content/commands/QZCmdImage.h"
#include "content/commands/QZCmdIntLink.h"
#include "content/commands/QZCmdJava.h"
#include "content/commands/QZCmdMedia.h"
#include "db/QZKeyTable.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "tests/content/ObjectCommandFixture.h"

namespace {

using ObjectCommandSourceTest = ObjectCommandTest;

std::string WriteBack(SHORT mode, const std::string& text) {
    QZVantrelMemoFld parser;
    parser.SetMode(mode);
    parser.Parse(CString(text));
    CString written;
    parser.WriteSource(written);
    return written.str();
}

struct SourceCase {
    const char* text;
    const char* opening; // modes 1 and 2
};

const SourceCase kSourceCases[] = {
    {"<<image :3, alt=\"a, b\", ismap>>", "<<image :3, alt=\"a, b\", ismap>>"},
    {"<<link :41, n=5>>a<<image :3>>b<</link>>", "<<link :41, n=5>>"},
    {"<<extlink \"http://x.test/\">>a<</extlink>>", "<<extlink \"http://x.test/\">>"},
    {"<<activex :17, notab>><param name=a><</activex>>", "<<activex :17, notab>>"},
    {"<<java :18>><param name=b><</java>>", "<<java :18>>"},
    {"<<media :19>>listen<</media>>", "<<media :19>>"},
    {"<<adspace :12>>", "<<adspace :12>>"},
    // Blocks the text leaves open stay open.
    {"<<link :41>>a", "<<link :41>>"},
    {"<<media :19>><<java :18>>x<</java>>", "<<media :19>>"},
};

TEST_F(ObjectCommandSourceTest, ModesThreeAndFourWriteTheWholeBlock) {
    for (SHORT mode : {QZVantrelContext::MODE_REWRITE, QZVantrelContext::MODE_GENERATE}) {
        for (const SourceCase& c : kSourceCases) {
            std::string once = WriteBack(mode, c.text);
            EXPECT_EQ(WriteBack(mode, once), once) << c.text << " in mode " << mode;
            if (mode == QZVantrelContext::MODE_GENERATE) {
                EXPECT_EQ(once, c.text) << c.text;
            }
        }
    }
}

TEST_F(ObjectCommandSourceTest, ModesOneAndTwoWriteTheOpeningOnly) {
    for (SHORT mode : {QZVantrelContext::MODE_FIRST, QZVantrelContext::MODE_PLAIN}) {
        for (const SourceCase& c : kSourceCases)
            EXPECT_EQ(WriteBack(mode, c.text), c.opening) << c.text << " in mode " << mode;
    }
}

TEST_F(ObjectCommandSourceTest, KeysAreTranslatedByTheKindTheCommandNames) {
    QZKeyTable table;
    table.AddEntry(QZKeyCombo(5, 3), QZKeyCombo(9, 33), OBJ_IMAGE);
    table.AddEntry(QZKeyCombo(5, 41), QZKeyCombo(9, 41), OBJ_PAGE);
    table.AddEntry(QZKeyCombo(5, 17), QZKeyCombo(9, 17), OBJ_ACTIVEX);
    table.AddEntry(QZKeyCombo(5, 18), QZKeyCombo(9, 18), OBJ_JAVA);
    table.AddEntry(QZKeyCombo(5, 19), QZKeyCombo(9, 19), OBJ_MEDIA);
    table.AddEntry(QZKeyCombo(5, 12), QZKeyCombo(9, 12), OBJ_ADSPACE);
    QZVantrelMemoFld parser;
    CString text = "<<image :3>><<link :41>><<image :3>><</link>><<link :3@image>>i<</link>>"
                   "<<activex :17>><</activex>><<java :18>><</java>><<media :19>>m<</media>>"
                   "<<adspace :12>>";
    parser.TranslateKeys(text, &table);
    EXPECT_EQ(text.str(), "<<image 9:33>><<link 9:41>><<image 9:33>><</link>>"
                          "<<link 9:33@image>>i<</link>><<activex 9:17>><</activex>>"
                          "<<java 9:18>><</java>><<media 9:19>>m<</media>><<adspace 9:12>>");
}

TEST_F(ObjectCommandSourceTest, SkeletonTexts) {
    EXPECT_EQ(QZCmdImage::GetSkeleton(), "<<image :???"
                                         ">>");
    EXPECT_EQ(QZCmdExtLink::GetSkeleton(), "<<extlink href=\"http://???\""
                                           ">>\r\n<</extlink>>");
    EXPECT_EQ(QZCmdIntLink::GetSkeleton(), "<<link :???"
                                           ">>\r\n<</link>>");
    EXPECT_EQ(QZCmdActiveX::GetSkeleton(), "<<activex :???"
                                           ">>\r\n<</activex>>");
    EXPECT_EQ(QZCmdJava::GetSkeleton(), "<<java :???"
                                        ">>\r\n<</java>>");
    EXPECT_EQ(QZCmdMedia::GetSkeleton(), "<<media :???"
                                         ">>\r\n<</media>>");
    EXPECT_EQ(QZCmdAdSpace::GetSkeleton(), "<<adspace :???"
                                           ">>");
}

TEST_F(ObjectCommandSourceTest, APreviewRecordsNoDependencies) {
    AddPage(41, "Offers", "FileName", "'p2.html'");
    Update(ContentKindOf(OBJ_PAGE), 40,
           "ScriptBody = '<<image :3>><<link :41>>x<</link>><<activex :17>><</activex>>"
           "<<java :18>><</java>><<media :19>>y<</media>><<adspace :12>>'");
    auto page = LoadPage(40);
    ASSERT_EQ(page->Preview(), 1);
    EXPECT_EQ(Count("SELECT * FROM Dependents"), 0);
    ASSERT_EQ(page->Generate(), 1);
    EXPECT_EQ(DependentsOf(40),
              (std::vector<std::string>{"5:40@2 -> 5:3@4", "5:40@2 -> 5:41@2", "5:40@2 -> 5:17@17",
                                        "5:40@2 -> 5:18@18", "5:40@2 -> 5:19@19"}));
    EXPECT_TRUE(ErrorTexts().empty());
}

} // namespace
