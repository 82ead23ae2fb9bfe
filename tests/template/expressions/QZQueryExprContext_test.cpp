// The query context: fields of the current row fetched once a row, forgotten at a row change
// (the counters excepted), nested queries, and fields outside any query.

#include "tests/template/ExprFixture.h"

#include "template/expressions/QZQueryExprContext.h"
#include "template/expressions/QZQueryRowSource.h"
#include "template/parser/QZVantrelStmtContext.h"

#include <map>

namespace {

// A query row whose fields are the texts given, counting how often each is read.
class FakeRow : public QZQueryRowSource {
public:
    explicit FakeRow(std::map<std::string, std::string> fields) : m_fields(std::move(fields)) {}

    COleVariant GetFieldValue(const CString& name) override {
        reads[name.str()]++;
        auto field = m_fields.find(name.str());
        return field != m_fields.end() ? COleVariant(CString(field->second)) : COleVariant();
    }

    std::map<std::string, int> reads;

private:
    std::map<std::string, std::string> m_fields;
};

} // namespace

class QueryFixture : public ExprFixture {
protected:
    QueryFixture() : query(&page), body(&page, nullptr) {
        query.SetQuery(&row);
        body.SetQueryContext(&query); // the section of the query command
    }

    // Runs the text in a local context of the query's body.
    std::string EvalInBody(const char* text) {
        auto context = std::make_unique<QZLocalExprContext>(&body);
        context->Parse(text);
        context->Execute();
        std::string value = Show(context->GetResult());
        contexts.push_back(std::move(context));
        return value;
    }

    FakeRow row{{{"title", "Home"}, {"count", "3"}}};
    QZQueryExprContext query;
    QZVantrelStmtContext body;
};

TEST_F(QueryFixture, ReadsAFieldOnceARow) {
    EXPECT_EQ(EvalInBody("[title] + [title]"), "str:HomeHome");
    EXPECT_EQ(row.reads["title"], 1);
    query.GetFieldTable()->SetInteger("[rowcount]", 2);
    query.ClearRowFields();
    EXPECT_EQ(EvalInBody("[title]"), "str:Home");
    EXPECT_EQ(row.reads["title"], 2);
    EXPECT_EQ(EvalInBody("[rowcount]"), "int:2");
    EXPECT_EQ(row.reads.count("rowcount"), 0u);
    EXPECT_EQ(EvalInBody("[missing]"), "null");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(QueryFixture, TheQuerysOwnExpressionReadsTheEnclosingQuery) {
    query.Parse("[title]"); // a parameter of the query command itself
    query.Execute();
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"field [title] is not valid outside of a query."}));
    EXPECT_EQ(row.reads.count("title"), 0u);
}

TEST_F(QueryFixture, ANestedQueryReadsItsOwnRow) {
    EXPECT_EQ(EvalInBody("[title]"), "str:Home");
    QZQueryExprContext inner(&body);
    FakeRow innerRow{{{"title", "Inner"}}};
    inner.SetQuery(&innerRow);
    QZVantrelStmtContext innerBody(&body, nullptr);
    innerBody.SetQueryContext(&inner);
    EXPECT_EQ(inner.GetFieldTable()->GetParent(), query.GetFieldTable());

    QZLocalExprContext reader(&innerBody);
    reader.Parse("[title]");
    for (int i = 0; i < 2; i++) {
        reader.Execute();
        EXPECT_EQ(Show(reader.GetResult()), "str:Inner");
    }
    // Cached in the inner query's own table: read once, and the outer row keeps its value.
    EXPECT_EQ(innerRow.reads["title"], 1);
    EXPECT_EQ(Show(query.GetFieldTable()->Find("[title]", FALSE)), "str:Home");
    EXPECT_EQ(EvalInBody("[title]"), "str:Home");
    EXPECT_EQ(row.reads["title"], 1);
}

TEST_F(QueryFixture, ANullFieldGivesNoValueInsteadOfThePreviousRowsResult) {
    FakeRow priced{{{"price", "5"}}};
    query.SetQuery(&priced);
    QZLocalExprContext reader(&body);
    reader.Parse("[price] + \"!\"");
    reader.Execute();
    EXPECT_EQ(Show(reader.GetResult()), "str:5!");
    FakeRow unpriced{{}};
    query.SetQuery(&unpriced);
    query.ClearRowFields();
    reader.Execute();
    EXPECT_EQ(Show(reader.GetResult()), "null");
}

TEST_F(QueryFixture, AssignmentsInTheQueryDefineInTheSharedScope) {
    Scope().SetInteger("n", 1);
    query.Parse("n = n + 1");
    query.Execute();
    EXPECT_EQ(Show(Var("n")), "int:2");
}
