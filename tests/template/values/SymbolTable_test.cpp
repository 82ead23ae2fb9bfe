#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"
#include "tests/template/FakeTemplateOwner.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

CString Numbered(const char* prefix, int n) {
    CString name;
    name.Format("%s%d", prefix, n);
    return name;
}

} // namespace

TEST(SymbolTable, GrowsByBlocksOf32AndEntriesNeverMove) {
    struct Case {
        int entries;
        LONG blocks;
    } cases[] = {{0, 1}, {1, 1}, {32, 1}, {33, 2}, {64, 2}, {65, 3}, {100, 4}};
    for (const Case& c : cases) {
        SymbolTable table;
        std::vector<QZSymbol*> added;
        for (int i = 0; i < c.entries; i++) {
            added.push_back(table.AddEntry(Numbered("v", i), QZSymbol::KIND_VARIABLE));
            added.back()->SetInteger(i);
        }
        EXPECT_EQ(table.GetBlocks().GetCount(), c.blocks) << c.entries;
        EXPECT_EQ(table.GetCount(), c.entries);
        for (int i = 0; i < c.entries; i++) {
            EXPECT_EQ(table.Find(Numbered("v", i), FALSE), added[i]) << i;
            EXPECT_EQ(added[i]->GetInteger(), i);
            EXPECT_EQ(added[i]->GetOwner(), &table);
        }
    }
}

TEST(SymbolTable, LookupWalksTheParentsWithoutRegardToCase) {
    SymbolTable keywords;
    keywords.AddEntry("and", 111);
    SymbolTable page(&keywords);
    QZSymbol* title = page.SetString("Title", "Home");
    SymbolTable command(&page);
    QZSymbol* x = command.SetInteger("x", 1);
    QZSymbol* localTitle = nullptr;

    struct Case {
        const char* name;
        BOOL searchParents;
        std::function<QZSymbol*()> expected;
    } cases[] = {
        {"x", FALSE, [&] { return x; }},
        {"X", TRUE, [&] { return x; }},
        {"title", TRUE, [&] { return title; }},
        {"TITLE", TRUE, [&] { return title; }},
        {"title", FALSE, [&] { return localTitle; }},
        {"AND", TRUE, [&] { return keywords.Find("and", FALSE); }},
        {"missing", TRUE, [] { return nullptr; }},
        {"", TRUE, [] { return nullptr; }},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(command.Find(c.name, c.searchParents), c.expected()) << c.name;
        EXPECT_EQ(command.Lookup(c.name, c.searchParents), c.expected()) << c.name;
    }
}

TEST(SymbolTable, DefineFindsAParentsVariableOrAddsOneHere) {
    SymbolTable page;
    QZSymbol* title = page.SetString("Title", "Home");
    SymbolTable command(&page);

    EXPECT_EQ(command.Define("title", TRUE), title);
    EXPECT_EQ(command.GetCount(), 0);

    QZSymbol* local = command.Define("title", FALSE);
    EXPECT_NE(local, title);
    EXPECT_EQ(local->GetOwner(), &command);
    EXPECT_EQ(local->GetKind(), QZSymbol::KIND_VARIABLE);
    EXPECT_FALSE(local->HasValue());
    EXPECT_EQ(command.Define("TITLE", TRUE), local); // the nearer scope wins now
}

TEST(SymbolTable, TypedSettersSetTheVariableOfTheScopeThatHasIt) {
    FakeTemplateOwner owner("Welcome", QZKeyCombo(4, 17));
    SymbolTable page;
    page.SetString("Title", owner.GetName());
    page.SetKey("Key", owner.GetKey());
    SymbolTable command(&page);

    command.SetString("title", "Changed");
    command.SetInteger("Count", 3);
    command.SetDouble("Ratio", 0.5);
    command.SetDate("Date", COleDateTime(1998, 5, 5, 0, 0, 0));
    command.SetVariant("Flag", COleVariant(short(1), VT_BOOL));

    EXPECT_EQ(page.Find("Title", FALSE)->GetString(), "Changed");
    EXPECT_EQ(page.Find("Key", FALSE)->GetKey().m_KeyID, 17);
    EXPECT_EQ(command.Find("title", FALSE), nullptr);
    EXPECT_EQ(command.Find("Count", FALSE)->GetInteger(), 3);
    EXPECT_EQ(command.Find("Ratio", FALSE)->GetDouble(), 0.5);
    EXPECT_EQ(command.Find("Date", FALSE)->GetType(), QZSymbol::TYPE_DATE);
    EXPECT_EQ(command.Find("Flag", FALSE)->GetInteger(), -1);
    EXPECT_TRUE(owner.messages().empty());
}

TEST(SymbolTable, EqualLiteralConstantsShareOneEntryAlongTheChain) {
    SymbolTable parent;
    SymbolTable table(&parent);
    COleDateTime christmas(1997, 12, 25, 0, 0, 0);
    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    struct Case {
        const char* what;
        std::function<QZSymbol*()> first, second;
        bool shared;
    } cases[] = {
        {"10 and 10", [&] { return table.AddIntConst("10"); },
         [&] { return table.AddIntConst("10"); }, true},
        {"007 and 7", [&] { return table.AddIntConst("007"); },
         [&] { return table.AddIntConst("7"); }, true},
        {"11 in the parent", [&] { return parent.AddIntConst("11"); },
         [&] { return table.AddIntConst("11"); }, true},
        {"12 and 13", [&] { return table.AddIntConst("12"); },
         [&] { return table.AddIntConst("13"); }, false},
        {"1.5 and 1.50", [&] { return table.AddFloatConst("1.5"); },
         [&] { return table.AddFloatConst("1.50"); }, true},
        {"integer 5 and float 5", [&] { return table.AddIntConst("5"); },
         [&] { return table.AddFloatConst("5"); }, false},
        {"\"a\" and \"a\"", [&] { return table.AddStringConst("a"); },
         [&] { return table.AddStringConst("a"); }, true},
        {"\"b\" and \"B\"", [&] { return table.AddStringConst("b"); },
         [&] { return table.AddStringConst("B"); }, false},
        {"3:5 and 3:5@image", [&] { return table.AddKeyConst("3:5"); },
         [&] { return table.AddKeyConst("3:5@image"); }, true},
        {"3:6 and 6:3", [&] { return table.AddKeyConst("3:6"); },
         [&] { return table.AddKeyConst("6:3"); }, false},
        {"$1.5 twice", [&] { return table.AddCurrencyConst(COleCurrency(1, 5000), "$1.5"); },
         [&] { return table.AddCurrencyConst(COleCurrency(1, 5000), "$1.50"); }, true},
        {"$1 and $2", [&] { return table.AddCurrencyConst(COleCurrency(1, 0), "$1"); },
         [&] { return table.AddCurrencyConst(COleCurrency(2, 0), "$2"); }, false},
        {"one date twice", [&] { return table.AddDateConst(christmas, "#12/25/97#"); },
         [&] { return table.AddDateConst(christmas, "#12/25/1997#"); }, true},
        {"valid and null date", [&] { return table.AddDateConst(COleDateTime(), "#a#"); },
         [&] { return table.AddDateConst(nullDate, "#b#"); }, false},
        {"1y6m and 18m", [&] { return table.AddSpanConst(QZDateSpan(0, 0, 0, 0, 6, 1), "1y6m"); },
         [&] { return table.AddSpanConst(QZDateSpan(0, 0, 0, 0, 18, 0), "18m"); }, true},
        {"1m and 30d", [&] { return table.AddSpanConst(QZDateSpan(0, 0, 0, 0, 1, 0), "1m"); },
         [&] { return table.AddSpanConst(QZDateSpan(30, 0, 0, 0, 0, 0), "30d"); }, false},
    };
    for (const Case& c : cases) {
        QZSymbol* first = c.first();
        LONG count = table.GetCount();
        QZSymbol* second = c.second();
        EXPECT_EQ(first == second, c.shared) << c.what;
        EXPECT_EQ(table.GetCount(), c.shared ? count : count + 1) << c.what;
    }
}

TEST(SymbolTable, LiteralConstantsAreNamedByTheirTextAndHoldTheirValue) {
    SymbolTable table;
    struct Case {
        QZSymbol* entry;
        const char* name;
        LONG kind;
        LONG type;
        const char* text;
    } cases[] = {
        {table.AddIntConst("007"), "007", QZSymbol::KIND_INTEGER_CONST, QZSymbol::TYPE_INTEGER,
         "7"},
        {table.AddIntConst("99999999999"), "99999999999", QZSymbol::KIND_INTEGER_CONST,
         QZSymbol::TYPE_INTEGER, "2147483647"},
        {table.AddFloatConst("12."), "12.", QZSymbol::KIND_FLOAT_CONST, QZSymbol::TYPE_DOUBLE,
         "12"},
        {table.AddStringConst("Hi"), "Hi", QZSymbol::KIND_STRING_CONST, QZSymbol::TYPE_STRING,
         "\"Hi\""},
        {table.AddKeyConst("3:12@image"), "3:12@image", QZSymbol::KIND_KEY_CONST,
         QZSymbol::TYPE_KEY, "3:12"},
        {table.AddCurrencyConst(COleCurrency(2, 5000), "$2.5"), "$2.5",
         QZSymbol::KIND_CURRENCY_CONST, QZSymbol::TYPE_CURRENCY, "$2.5"},
        {table.AddDateConst(COleDateTime(1997, 12, 25, 0, 0, 0), "#12/25/97#"), "#12/25/97#",
         QZSymbol::KIND_DATE_CONST, QZSymbol::TYPE_DATE, "Thu Dec 25 1997 00:00:00"},
        {table.AddSpanConst(QZDateSpan(2, 12, 0, 0, 0, 0), "2d12h"), "2d12h",
         QZSymbol::KIND_SPAN_CONST, QZSymbol::TYPE_SPAN, "0y0m2 days, 12:00:00"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.entry, nullptr) << c.name;
        EXPECT_EQ(c.entry->GetName(), c.name);
        EXPECT_EQ(c.entry->GetKind(), c.kind) << c.name;
        EXPECT_EQ(c.entry->GetType(), c.type) << c.name;
        EXPECT_EQ(c.entry->GetValueText().str(), c.text) << c.name;
    }
    EXPECT_EQ(cases[4].entry->GetKey().m_ObjectType, OBJ_IMAGE);
}

TEST(SymbolTable, NameLookupNeverFindsALiteralNamedLikeAVariable) {
    SymbolTable parent;
    SymbolTable table(&parent);
    QZSymbol* literal = table.AddStringConst("title");
    parent.AddIntConst("10");
    EXPECT_EQ(table.Find("title", TRUE), nullptr);
    EXPECT_EQ(table.Find("10", TRUE), nullptr);
    QZSymbol* variable = table.Define("Title", TRUE);
    ASSERT_NE(variable, nullptr);
    EXPECT_NE(variable, literal);
    EXPECT_EQ(variable->GetKind(), QZSymbol::KIND_VARIABLE);
    EXPECT_EQ(table.Find("TITLE", FALSE), variable);
    EXPECT_EQ(table.AddStringConst("title"), literal);
}

TEST(SymbolTable, TemporariesAreNamelessVariables) {
    SymbolTable table;
    QZSymbol* first = table.AddTemp();
    QZSymbol* second = table.AddTemp();
    EXPECT_NE(first, second);
    EXPECT_TRUE(first->GetName().IsEmpty());
    EXPECT_EQ(first->GetKind(), QZSymbol::KIND_VARIABLE);
    EXPECT_EQ(table.GetCount(), 2);
}

TEST(SymbolTable, ArrayElementsByIndexFromOne) {
    SymbolTable array;
    QZSymbol* first = array.GetElement(1, TRUE);
    first->SetInteger(1);
    struct Case {
        LONG index;
        BOOL create;
        bool found;
        LONG block; // counted from 1
        LONG slot;  // counted from 0
        LONG count;
    } cases[] = {
        {0, TRUE, false, 0, 0, 1},   {-3, TRUE, false, 0, 0, 1}, {2, FALSE, false, 0, 0, 1},
        {40, FALSE, false, 0, 0, 1}, {40, TRUE, true, 2, 7, 40}, {33, TRUE, true, 2, 0, 40},
        {1, FALSE, true, 1, 0, 40},  {70, TRUE, true, 3, 5, 70},
    };
    for (const Case& c : cases) {
        QZSymbol* element = array.GetElement(c.index, c.create);
        EXPECT_EQ(element != nullptr, c.found) << c.index;
        if (element != nullptr) {
            QZBlockList::Node* node = array.GetBlocks().GetHead();
            for (LONG b = 1; b < c.block; b++)
                node = node->next;
            EXPECT_EQ(element, node->item + c.slot) << c.index;
        }
        EXPECT_EQ(array.GetCount(), c.count) << c.index;
    }
    EXPECT_EQ(array.GetElement(1, FALSE), first);
    EXPECT_EQ(array.GetElement(40, FALSE), nullptr); // made, but holds no value
}

TEST(SymbolTable, IterationVisitsEverySlotOfEveryBlock) {
    SymbolTable table;
    for (int i = 0; i < 33; i++)
        table.AddEntry(Numbered("v", i), QZSymbol::KIND_VARIABLE);
    int slots = 0;
    int named = 0;
    for (QZSymbol* entry = table.GetFirst(); entry != nullptr; entry = table.GetNext()) {
        slots++;
        named += entry->GetName().IsEmpty() ? 0 : 1;
    }
    EXPECT_EQ(slots, 64);
    EXPECT_EQ(named, 33);
}

TEST(SymbolTable, CopyIsDeepKeepsBlocksAndCountAndNotTheParent) {
    SymbolTable parent;
    SymbolTable source(&parent);
    for (int i = 0; i < 40; i++)
        source.SetInteger(Numbered("v", i), i);
    source.Define("list", FALSE)->MakeArray()->GetElement(3, TRUE)->SetString("three");

    SymbolTable other;
    SymbolTable copy(&other);
    copy.SetInteger("gone", 1);
    copy = source;

    EXPECT_EQ(copy.GetParent(), &other);
    EXPECT_EQ(copy.GetCount(), source.GetCount());
    EXPECT_EQ(copy.GetBlocks().GetCount(), 2);
    EXPECT_EQ(copy.Find("gone", FALSE), nullptr);
    EXPECT_EQ(copy.Find("v39", FALSE)->GetInteger(), 39);
    EXPECT_NE(copy.Find("v39", FALSE), source.Find("v39", FALSE));
    EXPECT_EQ(copy.Find("v39", FALSE)->GetOwner(), &copy);

    SymbolTable* copiedList = copy.Find("list", FALSE)->GetArray();
    copiedList->GetElement(3, TRUE)->SetString("changed");
    EXPECT_EQ(source.Find("list", FALSE)->GetArray()->GetElement(3, FALSE)->GetString(), "three");
    EXPECT_EQ(copiedList->GetCount(), 3);
}

TEST(SymbolTable, DumpListsEveryEntryThenEachParent) {
    SymbolTable keywords;
    keywords.AddEntry("and", 111);
    SymbolTable page(&keywords);
    page.SetString("Title", "Home");
    SymbolTable command(&page);
    command.SetInteger("x", 5);
    command.AddTemp()->SetDouble(2.5);
    QZSymbol* key = command.AddKeyConst("3:7");
    command.AddCurrencyConst(COleCurrency(12, 5000), "$12.5");
    command.SetDate("When", COleDateTime(1999, 3, 14, 10, 20, 0));
    command.AddSpanConst(QZDateSpan(3, 4, 0, 0, 2, 1), "1y2m3d4h");
    command.Define("list", FALSE)->MakeArray();
    command.Define("rec", FALSE)->MakeRecord();
    command.Define("p", FALSE)->SetAddress(key);
    command.Define("r", FALSE)->SetReference(key);
    command.Define("unset", FALSE);
    command.Define("nothing", FALSE)->SetType(QZSymbol::TYPE_NULL);

    EXPECT_EQ(command.Dump().str(), "<H3>Symbol Table Dump:</H3>\n<P>\n"
                                    "x=5<br>\n"
                                    "(temp entry)=2.5<br>\n"
                                    "3:7=3:7<br>\n"
                                    "$12.5=$12.5<br>\n"
                                    "When=Sun Mar 14 1999 10:20:00<br>\n"
                                    "1y2m3d4h=1y2m3 days, 04:00:00<br>\n"
                                    "list=array<br>\n"
                                    "rec=record<br>\n"
                                    "p=address<br>\n"
                                    "r=entry placeholder<br>\n"
                                    "unset=reserved word or record member<br>\n"
                                    "nothing=reserved word or record member<br>\n"
                                    "\n"
                                    "<H3>Symbol Table Dump:</H3>\n<P>\n"
                                    "Title=\"Home\"<br>\n"
                                    "\n"
                                    "<H3>Symbol Table Dump:</H3>\n<P>\n"
                                    "and=reserved word or record member<br>\n"
                                    "\n");
}

TEST(SymbolTable, DumpOfAnEmptyRootTableIsItsHeading) {
    SymbolTable table;
    EXPECT_EQ(table.Dump().str(), "<H3>Symbol Table Dump:</H3>\n<P>\n\n");
}

TEST(QZBlockList, FindEntryMatchesNamesExactlyAndCanAppend) {
    QZSymbol title;
    title.SetName("Title");
    QZBlockList results;
    results.AddTail(&title, 1, 1);

    EXPECT_EQ(results.FindEntry("Title", FALSE), &title);
    EXPECT_EQ(results.FindEntry("title", FALSE), nullptr);
    EXPECT_EQ(results.GetCount(), 1);

    QZSymbol* made = results.FindEntry("title", TRUE);
    ASSERT_NE(made, nullptr);
    EXPECT_NE(made, &title);
    EXPECT_EQ(made->GetName(), "title");
    EXPECT_EQ(results.GetCount(), 2);
    EXPECT_EQ(results.GetTail()->capacity, 1);
    EXPECT_EQ(results.GetTail()->used, 0);
    EXPECT_EQ(results.FindEntry("title", TRUE), made);
}

TEST(QZBlockList, GetAtCountsFromOneAndCanAppendBlocks) {
    QZBlockList list;
    EXPECT_EQ(list.GetAt(1, FALSE, 32), nullptr);
    EXPECT_EQ(list.GetAt(0, TRUE, 32), nullptr);
    QZSymbol* third = list.GetAt(3, TRUE, 4);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetTail()->item, third);
    EXPECT_EQ(list.GetTail()->capacity, 4);
    EXPECT_EQ(list.GetAt(1, FALSE, 4), list.GetHead()->item);
}
