// The keyword table: its words, tokens and values, and how parsers share it.

#include "template/parser/QZKeywordTable.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"
#include "tests/template/FakeRunOwner.h"

#include <gtest/gtest.h>

namespace {

TEST(QZKeywordTable, HoldsTheWordsWithTheirTokensAndValues) {
    SymbolTable table(nullptr);
    QZKeywordTable::Fill(table);
    int count = 0;
    QZKeywordTable::GetRows(count);
    EXPECT_EQ(table.GetCount(), count);
    struct Expect {
        const char* word;
        LONG kind;
        bool valued;
        LONG value;
    };
    const Expect expected[] = {
        {"!", 1165, false, 0},
        {"PrintFile", 1131, false, 0},
        {"file", 1131, false, 0},
        {"until", 1169, false, 0},
        {"dump", 1170, false, 0},
        {"linkid", 1, true, 0},
        {"top", 126, true, 2},
        {"middle", 126, true, 5},
        {"LEFT", 126, true, 1},
        {"and", 111, false, 0},
        {"not", 141, false, 0},
        {"dberror", 126, false, 0},
        {"float", 139, true, 1008},
        {"int", 139, true, 1021},
        {"Mid", 138, true, 2007},
        {"getmid", 138, true, 2007},
        {"GetTotalMonths", 138, true, 2032},
        {"true", 126, true, 1},
        {"false", 126, true, 0},
    };
    for (const Expect& e : expected) {
        QZSymbol* entry = table.Find(e.word, FALSE);
        ASSERT_NE(entry, nullptr) << e.word;
        EXPECT_EQ(entry->GetKind(), e.kind) << e.word;
        EXPECT_EQ(entry->HasValue(), e.valued) << e.word;
        if (e.valued) {
            EXPECT_EQ(entry->GetInteger(), e.value) << e.word;
        }
    }
}

TEST(QZKeywordTable, TokenNamesForMessages) {
    QZVantrelMemoFld parser;
    const std::pair<int, const char*> names[] = {
        {-1, "EOF"},    {0, "unrecognized token"},
        {1100, "HTML"}, {1101, "if"},
        {1103, "/if"},  {1131, "file"},
        {1138, "is"},   {1128, ""},
        {1104, ""},     {1145, ""},
        {1165, ""},     {1, ""},
    };
    for (const auto& [token, name] : names)
        EXPECT_EQ(parser.GetTokenName(token), name) << token;
}

TEST(QZKeywordTable, ParserOfTheRunOwnerSharesItsTable) {
    QZVantrelMemoFld page;
    FakeRunOwner owner;
    owner.Own(page, QZVantrelContext::MODE_GENERATE);
    QZVantrelMemoFld interpreted(&page);
    EXPECT_EQ(interpreted.GetKeywordTable(), page.GetKeywordTable());
    EXPECT_EQ(interpreted.GetSymbolTable()->GetParent(), page.GetSymbolTable());
    EXPECT_EQ(interpreted.GetMode(), QZVantrelContext::MODE_GENERATE);
    EXPECT_EQ(interpreted.GetMessageOwner(), &owner);

    QZVantrelContext ownerless;
    QZVantrelMemoFld alone(&ownerless);
    EXPECT_NE(alone.GetKeywordTable(), page.GetKeywordTable());
    EXPECT_EQ(alone.GetKeywordTable()->Find("if", FALSE)->GetKind(), TOKEN_IF);
    EXPECT_EQ(page.GetSymbolTable()->GetParent(), page.GetKeywordTable());
}

} // namespace
