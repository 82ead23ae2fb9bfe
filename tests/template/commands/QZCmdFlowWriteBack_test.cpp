// The flow, variable and print commands written back as template text: in the parser's own
// form in modes 3 and 4, their opening only in modes 1 and 2, with object keys translated.

#include "db/QZKeyTable.h"
#include "template/commands/QZCmdFor.h"
#include "template/commands/QZCmdIf.h"
#include "template/commands/QZCmdRepeat.h"
#include "template/commands/QZCmdSetDefault.h"
#include "template/commands/QZCmdStoreExpr.h"
#include "template/commands/QZCmdSwitch.h"
#include "template/commands/QZCmdWhile.h"
#include "tests/template/TemplateRun.h"

#include <gtest/gtest.h>

namespace {

struct WriteBackCase {
    const char* text;
    const char* full;    // modes 3 and 4
    const char* opening; // modes 1 and 2
};

const WriteBackCase kWriteBackCases[] = {
    {"<<if a=1>>x<<else>>y<</if>>", "<<if a=1>>x<<else>>y<</if>>", "<<if a=1>>"},
    {"<<IF  a >>x<<ELSE>>y<</IF >>", "<<if a >>x<<else>>y<</if>>", "<<if a >>"},
    {"<<if a>>x<<else>><</if>>", "<<if a>>x<</if>>", "<<if a>>"},
    {"<<while i<3>>x<</while>>", "<<while i<3>>x<</while>>", "<<while i<3>>"},
    {"<<for i=0; i<10; i=i+1>>x<</for>>", "<<for i=0; i<10; i=i+1>>x<</for>>",
     "<<for i=0; i<10; i=i+1>>"},
    {"<<for  i = 0 ;i<10 ;  i=i+1 >><</for>>", "<<for i = 0 ;i<10 ;  i=i+1 >><</for>>",
     "<<for i = 0 ;i<10 ;  i=i+1 >>"},
    {"<<for i=1>>x<</for>>", "<<for i=1>>x<</for>>", "<<for i=1>>"},
    {"<<for i=7; i<9>>x<</for>>", "<<for i=7; i<9>>x<</for>>", "<<for i=7; i<9>>"},
    {"<<for s=\";\"; s=\"\"\";\"; s=\"x\">><</for>>",
     "<<for s=\";\"; s=\"\"\";\"; s=\"x\">><</for>>", "<<for s=\";\"; s=\"\"\";\"; s=\"x\">>"},
    {"<<repeat>>x<<until a=1>>", "<<repeat>>x<<until a=1>>", "<<until a=1>>"},
    {"<<REPEAT>>x<<UNTIL a>>", "<<repeat>>x<<until a>>", "<<until a>>"},
    {"<<when x>>\n<<is 1, 2>>a<<is otherwise>>b<</when>>",
     "<<when x>>\n<<is 1, 2>>a<<is otherwise>>b<</when>>", "<<when x>>"},
    {"<<set a = 1>>", "<<set a = 1>>", "<<set a = 1>>"},
    {"<<setdefault a=1>>", "<<setdefault a=1>>", "<<setdefault a=1>>"},
    {"<<print  x, \"0.00\" >>", "<<print x, \"0.00\" >>", "<<print x, \"0.00\" >>"},
    // Blocks the text leaves open stay open, also when they end inside an open string.
    {"<<if a>>x", "<<if a>>x", "<<if a>>"},
    {"<<while a>><<for i;j;k>>", "<<while a>><<for i;j;k>>", "<<while a>>"},
    {"<<when x>>a<<is 1>>b", "<<when x>>a<<is 1>>b", "<<when x>>"},
    {"<<if a>>x<<print \"y>>", "<<if a>>x<<print \"y>>", "<<if a>>"},
    {"<<if a>><<while b>>c<</if>>", "<<if a>><<while b>>c<</if>>", "<<if a>>"},
    {"<<if a>><<for i=0; i<2; i=i+1>><<print i>><</for>><</if>>",
     "<<if a>><<for i=0; i<2; i=i+1>><<print i>><</for>><</if>>", "<<if a>>"},
};

TEST(FlowWriteBack, ModesThreeAndFourWriteTheWholeCommandInTheParsersForm) {
    for (SHORT mode : {QZVantrelContext::MODE_REWRITE, QZVantrelContext::MODE_GENERATE}) {
        for (const WriteBackCase& c : kWriteBackCases) {
            TemplateRun run(mode);
            std::string once = run.WriteBack(c.text);
            EXPECT_EQ(once, c.full) << c.text << " in mode " << mode;
            EXPECT_EQ(run.WriteBack(once), once) << c.text << " in mode " << mode;
        }
    }
}

TEST(FlowWriteBack, ModesOneAndTwoWriteTheOpeningOnly) {
    for (SHORT mode : {QZVantrelContext::MODE_FIRST, QZVantrelContext::MODE_PLAIN}) {
        for (const WriteBackCase& c : kWriteBackCases) {
            TemplateRun run(mode);
            EXPECT_EQ(run.WriteBack(c.text), c.opening) << c.text << " in mode " << mode;
        }
    }
}

TEST(FlowWriteBack, KeyTranslationRewritesConditionsAndPrintArguments) {
    QZKeyTable table;
    table.AddEntry(QZKeyCombo(5, 12), QZKeyCombo(9, 22), OBJ_PAGE);
    table.AddEntry(QZKeyCombo(5, 12), QZKeyCombo(9, 99), OBJ_IMAGE);
    TemplateRun run;
    CString text = "<<if k = 5:12>><<print 5:12@image, \"x\">><<set p=5:12>><</if>>"
                   "<<while k<>5:12>><</while>><<for i=5:12; i<>5:12; i=5:13>><</for>>"
                   "<<when 5:12>><<is 5:12, 6:12>><</when>><<repeat>><<until k=5:12>>"
                   "<<setdefault q=5:12>>";
    run.page.TranslateKeys(text, &table);
    EXPECT_EQ(text.str(), "<<if k = 9:22>><<print 9:99@image, \"x\">><<set p=9:22>><</if>>"
                          "<<while k<>9:22>><</while>><<for i=9:22; i<>9:22; i=5:13>><</for>>"
                          "<<when 9:22>><<is 9:22, 6:12>><</when>><<repeat>><<until k=9:22>>"
                          "<<setdefault q=9:22>>");
}

TEST(FlowWriteBack, SkeletonTexts) {
    EXPECT_EQ(QZCmdIf::GetSkeleton(), "<<if ???"
                                      ">>\r\n<</if>>");
    EXPECT_EQ(QZCmdWhile::GetSkeleton(), "<<while ???"
                                         ">>\r\n<</while>>");
    EXPECT_EQ(QZCmdFor::GetSkeleton(), "<<for i=0; i<10; i=i+1>>\r\n<</for>>");
    EXPECT_EQ(QZCmdRepeat::GetSkeleton(), "<<repeat>>\r\n<<until ???"
                                          ">>");
    EXPECT_EQ(QZCmdSwitch::GetSkeleton(), "<<when ???"
                                          ">>\r\n\t<<is ???"
                                          ">>\r\n\t<<is otherwise>>\r\n<</when>>");
    EXPECT_EQ(QZCmdStoreExpr::GetSkeleton(), "<<set ???"
                                             "=???"
                                             ">>");
    EXPECT_EQ(QZCmdSetDefault::GetSkeleton(), "<<setdefault ???"
                                              "=???"
                                              ">>");
}

TEST(FlowWriteBack, ForFindsTheSemicolonsOutsideStrings) {
    const struct {
        const char* text;
        int first;
        int second;
    } cases[] = {
        {"i=0; i<10; i=i+1", 3, 9},
        {"s=\";\"; s=\"\"\";\"; s", 5, 14},
        {"i=1", -1, -1},
        {"a;b;c;d", 1, 3},
        {"s=\"a", -1, -1},
    };
    for (const auto& c : cases) {
        int first = 0;
        int second = 0;
        QZCmdFor::FindSemicolons(c.text, first, second);
        EXPECT_EQ(first, c.first) << c.text;
        EXPECT_EQ(second, c.second) << c.text;
    }
}

} // namespace
