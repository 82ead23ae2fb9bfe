// is and group: the values a case lists, as the when command will read them; group headings
// at each change of the grouping value, a change of type counted, and the first heading again
// when the query starts again.

#include "template/commands/QZCmdCase.h"
#include "template/commands/QZCmdSwitch.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZBlockList.h"
#include "tests/template/TemplatePage.h"
#include "tests/template/TestQueryCommand.h"

#include <gtest/gtest.h>

namespace {

// A value as the when command will compare it: "type:text", or "name" for an entry that has
// none, such as the word otherwise.
std::string Entry(QZSymbol* entry) {
    switch (entry->GetType()) {
    case QZSymbol::TYPE_INTEGER:
        return "int:" + std::to_string(entry->GetInteger());
    case QZSymbol::TYPE_STRING:
        return "str:" + entry->GetString().str();
    case QZSymbol::TYPE_KEY:
        return "key:" + entry->GetKey().FormatFull().str();
    default:
        return entry->HasValue() ? "other" : entry->GetName().str();
    }
}

class CaseTest : public ::testing::Test, public TemplatePage {
protected:
    // The case of the when block's n-th section (the first holds what precedes any case).
    QZCmdCase* Case(int section) {
        auto* when = dynamic_cast<QZCmdSwitch*>(parser.GetFirstStatement());
        return dynamic_cast<QZCmdCase*>(when->GetCase(section)->GetFirstStatement());
    }
    std::vector<std::string> Values(QZCmdCase* command) {
        command->Execute();
        std::vector<std::string> values;
        for (QZBlockList::Node* node = command->GetValues()->GetHead(); node; node = node->next)
            values.push_back(Entry(node->item));
        return values;
    }
};

TEST_F(CaseTest, ListsItsValuesInSourceOrder) {
    Scope().SetInteger("n", 4);
    parser.Parse("<<when x>><<is 1, \"a\", n + 1, 2:3>>one<<is Otherwise>>two<</when>>");
    EXPECT_EQ(Values(Case(1)), (std::vector<std::string>{"int:1", "str:a", "int:5", "key:2:3"}));
    EXPECT_EQ(Values(Case(2)), std::vector<std::string>{"Otherwise"});
    EXPECT_EQ(output.text, "");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CaseTest, ACaseWithoutValuesSaysSoEachTimeItRuns) {
    parser.Parse("<<when x>>\n<<is >>one<</when>>");
    Case(1)->Execute();
    Case(1)->Execute();
    // The empty list is reported once as the page is parsed, then at every run.
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"2: operand expected", "2: is expression has no values",
                                        "2: is expression has no values"}));
}

TEST_F(CaseTest, IsWritesBackItsValues) {
    const char* text = "<<when x>>\n<<is 1, \"two\" >>a<<is otherwise>>b<</when>>";
    EXPECT_EQ(WriteBack(text, QZVantrelContext::MODE_REWRITE), text);
}

using Row = MemoryRows::Row;

class GroupTest : public ::testing::Test, public TemplatePage {
protected:
    void SetUp() override {
        TestQueryCommand::Register([this] { return std::make_unique<MemoryRows>(rows); });
    }
    void TearDown() override { TestQueryCommand::Unregister(); }

    void SetRows(std::vector<COleVariant> values) {
        rows.clear();
        for (const COleVariant& value : values)
            rows.push_back(Row{{"cat", value}});
    }

    std::vector<Row> rows;
};

TEST_F(GroupTest, RunsItsBodyAtEachChangeOfTheValue) {
    SetRows(
        {COleVariant("A"), COleVariant("A"), COleVariant("B"), COleVariant("B"), COleVariant("A")});
    EXPECT_EQ(Generate("<<query :7>><<group [cat]>>[<<interpret [cat]>>]<</group>>.<</query>>"),
              "[A]..[B]..[A].");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(GroupTest, AChangeOfTypeAloneCounts) {
    COleVariant null;
    null.vt = VT_NULL;
    SetRows({COleVariant(1.0), COleVariant(static_cast<LONG>(1)), COleVariant(static_cast<LONG>(1)),
             null, null, COleVariant("1")});
    EXPECT_EQ(Generate("<<query :7>><<group [cat]>>H<</group>>.<</query>>"), "H.H..H..H.");
}

TEST_F(GroupTest, WithoutAnExpressionItSaysSoOncePerRowAndNeverRuns) {
    SetRows({COleVariant("A"), COleVariant("B")});
    EXPECT_EQ(Generate("<<query :7>><<group >>H<</group>>.<</query>>"), "..");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"operand expected",
                                                    "group: no grouping expression specified",
                                                    "group: no grouping expression specified"}));
}

TEST_F(GroupTest, AQueryRunAgainShowsItsFirstHeadingAgain) {
    SetRows({COleVariant("A"), COleVariant("A")});
    EXPECT_EQ(Generate("<<query :7>><<group [cat]>>H<</group>>.<</query>>"), "H..");
    EXPECT_EQ(GenerateAgain(), "H..");
}

TEST_F(GroupTest, GroupWritesBackItsBodyInTheRewriteMode) {
    const char* text = "<<group [Category] >><h2>x</h2><</group>>";
    EXPECT_EQ(WriteBack(text, QZVantrelContext::MODE_REWRITE), text);
}

} // namespace
