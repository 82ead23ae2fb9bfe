#pragma once
// A page to compile and run expressions in: a parser in the generating mode owned by a fake
// content object that keeps the error lines, and helpers that show a value as "type:text".

#include "template/expressions/QZLocalExprContext.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"
#include "tests/template/FakeRunOwner.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A value as "int:7", "double:3.5", "cur:1.2", "str:abc", "date:1997-12-25 00:00:00",
// "span:0y1m1.500000", "key:1:2", "array:3", "record", "address", "ref", "null" or "none".
inline std::string Show(const QZSymbol* entry) {
    if (entry == nullptr)
        return "nullptr";
    if (!entry->HasValue())
        return entry->GetType() == QZSymbol::TYPE_NULL ? "null" : "none";
    CString text;
    switch (entry->GetType()) {
    case QZSymbol::TYPE_INTEGER:
        text.Format("int:%d", entry->GetInteger());
        break;
    case QZSymbol::TYPE_DOUBLE:
        text.Format("double:%g", entry->GetDouble());
        break;
    case QZSymbol::TYPE_CURRENCY:
        text = entry->GetCurrency().GetStatus() == COleCurrency::valid
                   ? "cur:" + entry->GetCurrency().Format()
                   : CString("cur:invalid");
        break;
    case QZSymbol::TYPE_STRING:
        text = "str:" + entry->GetString();
        break;
    case QZSymbol::TYPE_DATE:
        text = entry->GetDate().GetStatus() == COleDateTime::valid
                   ? "date:" + entry->GetDate().Format("%Y-%m-%d %H:%M:%S")
                   : CString("date:invalid");
        break;
    case QZSymbol::TYPE_SPAN:
        text.Format("span:%ldm%gd", entry->GetSpan().GetTotalMonths(),
                    entry->GetSpan().GetTotalDays());
        break;
    case QZSymbol::TYPE_KEY:
        text = "key:" + entry->GetKey().FormatFull();
        break;
    case QZSymbol::TYPE_ARRAY:
        text.Format("array:%ld", entry->GetArray()->GetCount());
        break;
    case QZSymbol::TYPE_RECORD:
        return "record";
    case QZSymbol::TYPE_ADDRESS:
        return "address";
    case QZSymbol::TYPE_REFERENCE:
        return "ref";
    default:
        return "other";
    }
    return text.str();
}

class ExprPage {
public:
    ExprPage() { owner.Own(page, QZVantrelContext::MODE_GENERATE); }

    // A new expression context of the page's scope, kept until the test ends.
    template <typename Context = QZLocalExprContext> Context& NewContext() {
        auto context = std::make_unique<Context>(&page);
        Context& ref = *context;
        contexts.push_back(std::move(context));
        return ref;
    }

    // Compiles the text in a new local context of the page and runs it once.
    QZExprContext& Exec(const char* text) {
        QZExprContext& context = NewContext();
        context.Parse(text);
        context.Execute();
        return context;
    }

    // The value of the first expression of the text, shown as "type:text".
    std::string Eval(const char* text) { return Show(Exec(text).GetResult()); }

    // The texts of the error lines reported so far, which are then forgotten.
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& message : owner.messages)
            texts.push_back(message.text);
        owner.messages.clear();
        return texts;
    }

    SymbolTable& Scope() { return *page.GetSymbolTable(); }
    QZSymbol* Var(const char* name) { return Scope().Find(name, TRUE); }

    FakeRunOwner owner;
    QZVantrelMemoFld page;
    std::vector<std::unique_ptr<QZExprContext>> contexts;
};

class ExprFixture : public ::testing::Test, public ExprPage {};

// One case of a table: an expression, its value shown as "type:text", and the exact error
// lines it reports.
struct ExprCase {
    const char* text;
    const char* value;
    std::vector<std::string> messages = {};
};

// Runs every case on a page of its own.
inline void ExpectCases(const std::vector<ExprCase>& cases) {
    for (const ExprCase& c : cases) {
        ExprPage page;
        EXPECT_EQ(page.Eval(c.text), c.value) << c.text;
        EXPECT_EQ(page.Messages(), c.messages) << c.text;
    }
}
