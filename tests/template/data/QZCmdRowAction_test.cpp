// The row commands' base: the query key from the first parameter, the messages of a key that
// is missing or cannot be used, and nothing run while previewing.

#include "platform/dao/CDaoException.h"
#include "template/data/CActionSet.h"
#include "template/data/QZCmdRowAction.h"
#include "tests/template/TemplatePage.h"

#include <gtest/gtest.h>

namespace {

// A row command that only checks its parameters and writes the key it took; its set cannot
// be made while `failMaking` is set.
class CheckingRowCommand : public QZCmdRowAction {
public:
    CheckingRowCommand(QZVantrelContext* context, const CString& arguments)
        : QZCmdRowAction(context, arguments) {}
    static QZCommandBase* Make(QZVantrelContext* context, const CString& arguments) {
        return new CheckingRowCommand(context, arguments);
    }
    void ExecuteAction() override {
        if (CheckParameters() && m_pActionSet != nullptr)
            Write("key " + m_queryKey.FormatFull() + ";");
    }
    static inline bool failMaking = false;

protected:
    CActionSet* MakeActionSet() override {
        if (failMaking)
            CDaoException::Throw(3024, "Could not find the database file.");
        return QZCmdRowAction::MakeActionSet();
    }
};

class RowActionTest : public ::testing::Test, public TemplatePage {
protected:
    void SetUp() override {
        QZCommandFactory::Register(TOKEN_ADDROW, &CheckingRowCommand::Make);
        CheckingRowCommand::failMaking = false;
    }
    void TearDown() override { QZCommandFactory::Register(TOKEN_ADDROW, nullptr); }
};

TEST_F(RowActionTest, TakesTheKeyOfTheFirstParameter) {
    Scope().SetKey("saved", QZKeyCombo(3, 9));
    struct Case {
        const char* text;
        const char* output;
    };
    const Case cases[] = {
        {"<<addrow 5:7, Name=\"x\">>", "key 5:7;"},
        {"<<addrow key=5:8>>", "key 5:8;"},
        {"<<addrow \"5:9@image\">>", "key 5:9;"},
        {"<<addrow saved>>", "key 3:9;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Generate(c.text), c.output) << c.text;
        EXPECT_TRUE(Messages().empty()) << c.text;
    }
}

TEST_F(RowActionTest, AKeyWithoutANumberIsNoQueryKey) {
    for (const char* text : {"<<addrow 0:0>>", "<<addrow 5:0>>", "<<addrow \"abc\">>",
                             "<<addrow 7>>", "<<addrow Name=\"x\">>"}) {
        EXPECT_EQ(Generate(text), "") << text;
        EXPECT_EQ(Messages(), std::vector<std::string>{"row action: no valid query key specified"})
            << text;
    }
}

TEST_F(RowActionTest, ASetThatCannotBeMadeNamesTheKey) {
    CheckingRowCommand::failMaking = true;
    EXPECT_EQ(Generate("<<addrow key=5:7>>\n<<addrow 5:8>>"), "\n");
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"1: row action: invalid query key key=5:7 specified",
                                        "2: row action: invalid query key 5:8 specified"}));
}

TEST_F(RowActionTest, NothingRunsWhilePreviewing) {
    owner.preview = TRUE;
    EXPECT_EQ(Generate("<<addrow 5:7>><<addrow 0:0>>"), "");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RowActionTest, EachCheckMakesANewSetThatTheCommandOwns) {
    parser.Parse("<<addrow 5:7>>");
    auto* command = dynamic_cast<CheckingRowCommand*>(parser.GetFirstStatement());
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->GetActionSet(), nullptr);
    ASSERT_TRUE(command->CheckParameters());
    EXPECT_NE(command->GetActionSet(), nullptr);
    ASSERT_TRUE(command->CheckParameters());
    EXPECT_NE(command->GetActionSet(), nullptr);
}

} // namespace
