#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

COleDateTime InvalidDate() {
    COleDateTime date;
    date.SetStatus(COleDateTime::invalid);
    return date;
}

QZDateSpan SpanWithStatus(QZDateSpan span, COleDateTimeSpan::DateTimeSpanStatus status) {
    span.SetStatus(status);
    return span;
}

} // namespace

TEST(QZSymbol, NewEntryHasNoValueNoOwnerAndIsAVariable) {
    QZSymbol entry;
    EXPECT_FALSE(entry.HasValue());
    EXPECT_EQ(entry.GetType(), QZSymbol::TYPE_NONE);
    EXPECT_EQ(entry.GetKind(), QZSymbol::KIND_VARIABLE);
    EXPECT_EQ(entry.GetOwner(), nullptr);
    EXPECT_TRUE(entry.GetName().IsEmpty());
    EXPECT_EQ(entry.GetVariant().vt, VT_EMPTY);
}

TEST(QZSymbol, TruthOfEveryType) {
    QZSymbol one, zero;
    one.SetInteger(1);
    zero.SetInteger(0);
    struct Case {
        const char* what;
        std::function<void(QZSymbol&)> make;
        BOOL truth;
    } cases[] = {
        {"no value", [](QZSymbol&) {}, FALSE},
        {"type set, value freed",
         [](QZSymbol& s) {
             s.SetInteger(7);
             s.FreeValue();
         },
         FALSE},
        {"null", [](QZSymbol& s) { s.SetType(QZSymbol::TYPE_NULL); }, FALSE},
        {"integer 0", [](QZSymbol& s) { s.SetInteger(0); }, FALSE},
        {"integer 5", [](QZSymbol& s) { s.SetInteger(5); }, TRUE},
        {"integer -1", [](QZSymbol& s) { s.SetInteger(-1); }, TRUE},
        {"currency 0", [](QZSymbol& s) { s.SetCurrency(COleCurrency(0, 0)); }, FALSE},
        {"currency 0.0001", [](QZSymbol& s) { s.SetCurrency(COleCurrency(0, 1)); }, TRUE},
        {"currency -2.5", [](QZSymbol& s) { s.SetCurrency(COleCurrency(-2, 5000)); }, TRUE},
        {"invalid currency",
         [](QZSymbol& s) {
             COleCurrency c;
             c.SetStatus(COleCurrency::invalid);
             s.SetCurrency(c);
         },
         FALSE},
        {"double 0.0", [](QZSymbol& s) { s.SetDouble(0.0); }, FALSE},
        {"double -0.0", [](QZSymbol& s) { s.SetDouble(-0.0); }, FALSE},
        {"double 0.5", [](QZSymbol& s) { s.SetDouble(0.5); }, TRUE},
        {"double NaN", [](QZSymbol& s) { s.SetDouble(std::numeric_limits<double>::quiet_NaN()); },
         FALSE},
        {"date at the epoch", [](QZSymbol& s) { s.SetDate(COleDateTime(0.0)); }, TRUE},
        {"date 1998-05-05", [](QZSymbol& s) { s.SetDate(COleDateTime(1998, 5, 5, 0, 0, 0)); },
         TRUE},
        {"invalid date", [](QZSymbol& s) { s.SetDate(InvalidDate()); }, FALSE},
        {"empty string", [](QZSymbol& s) { s.SetString(""); }, FALSE},
        {"error value", [](QZSymbol& s) { s.SetString("!Error!"); }, FALSE},
        {"error value in other case", [](QZSymbol& s) { s.SetString("!error!"); }, TRUE},
        {"string 0", [](QZSymbol& s) { s.SetString("0"); }, TRUE},
        {"string false", [](QZSymbol& s) { s.SetString("false"); }, TRUE},
        {"key 0:0", [](QZSymbol& s) { s.SetKey(QZKeyCombo(0, 0)); }, FALSE},
        {"key 5:0", [](QZSymbol& s) { s.SetKey(QZKeyCombo(5, 0)); }, FALSE},
        {"key 0:5", [](QZSymbol& s) { s.SetKey(QZKeyCombo(0, 5)); }, TRUE},
        {"zero span", [](QZSymbol& s) { s.SetSpan(QZDateSpan()); }, FALSE},
        {"span 1m", [](QZSymbol& s) { s.SetSpan(QZDateSpan(0, 0, 0, 0, 1, 0)); }, TRUE},
        {"span 2d", [](QZSymbol& s) { s.SetSpan(QZDateSpan(2, 0, 0, 0, 0, 0)); }, TRUE},
        {"span -2d", [](QZSymbol& s) { s.SetSpan(-QZDateSpan(2, 0, 0, 0, 0, 0)); }, TRUE},
        {"span 1m2d", [](QZSymbol& s) { s.SetSpan(QZDateSpan(2, 0, 0, 0, 1, 0)); }, TRUE},
        {"invalid span 1m",
         [](QZSymbol& s) {
             s.SetSpan(SpanWithStatus(QZDateSpan(0, 0, 0, 0, 1, 0), COleDateTimeSpan::invalid));
         },
         FALSE},
        {"array", [](QZSymbol& s) { s.MakeArray()->GetElement(1, TRUE)->SetInteger(1); }, FALSE},
        {"record", [](QZSymbol& s) { s.MakeRecord(); }, FALSE},
        {"address", [&](QZSymbol& s) { s.SetAddress(&one); }, FALSE},
        {"reference to 1", [&](QZSymbol& s) { s.SetReference(&one); }, TRUE},
        {"reference to 0", [&](QZSymbol& s) { s.SetReference(&zero); }, FALSE},
        {"reference to nothing", [](QZSymbol& s) { s.SetReference(nullptr); }, FALSE},
        {"reference to itself", [](QZSymbol& s) { s.SetReference(&s); }, FALSE},
    };
    for (const Case& c : cases) {
        QZSymbol entry;
        c.make(entry);
        EXPECT_EQ(entry.IsTrue(), c.truth) << c.what;
    }
}

TEST(QZSymbol, SettingAnotherTypeReplacesTheValue) {
    QZSymbol entry;
    entry.SetString("abc");
    entry.SetInteger(5);
    EXPECT_EQ(entry.GetType(), QZSymbol::TYPE_INTEGER);
    EXPECT_EQ(entry.GetInteger(), 5);
    EXPECT_TRUE(entry.GetString().IsEmpty()); // the string is gone

    entry.FreeValue();
    EXPECT_FALSE(entry.HasValue());
    EXPECT_EQ(entry.GetType(), QZSymbol::TYPE_INTEGER); // freeing keeps the type
}

TEST(QZSymbol, MakerAndSetTypeKeepAValueOfTheirOwnType) {
    QZSymbol entry;
    *entry.MakeInteger() = 42;
    EXPECT_EQ(*entry.MakeInteger(), 42);
    entry.SetType(QZSymbol::TYPE_INTEGER);
    EXPECT_EQ(entry.GetInteger(), 42);

    entry.SetType(999); // no such type: nothing happens
    EXPECT_EQ(entry.GetType(), QZSymbol::TYPE_INTEGER);
    EXPECT_EQ(entry.GetInteger(), 42);

    entry.SetType(QZSymbol::TYPE_DOUBLE); // another type starts from its empty value
    EXPECT_EQ(entry.GetDouble(), 0.0);
    EXPECT_TRUE(entry.HasValue());

    entry.SetType(QZSymbol::TYPE_NULL);
    EXPECT_EQ(entry.GetType(), QZSymbol::TYPE_NULL);
    EXPECT_FALSE(entry.HasValue());
}

TEST(QZSymbol, EachTypeStartsFromItsEmptyValue) {
    struct Case {
        LONG type;
        const char* text; // the value text of the empty value
    } cases[] = {
        {QZSymbol::TYPE_INTEGER, "0"},
        {QZSymbol::TYPE_CURRENCY, "$0"},
        {QZSymbol::TYPE_DOUBLE, "0"},
        {QZSymbol::TYPE_DATE, "Sat Dec 30 1899 00:00:00"},
        {QZSymbol::TYPE_STRING, "\"\""},
        {QZSymbol::TYPE_ARRAY, "array"},
        {QZSymbol::TYPE_KEY, "0:0"},
        {QZSymbol::TYPE_SPAN, "0y0m0 days, 00:00:00"},
        {QZSymbol::TYPE_RECORD, "record"},
        {QZSymbol::TYPE_ADDRESS, "address"},
        {QZSymbol::TYPE_REFERENCE, "entry placeholder"},
    };
    for (const Case& c : cases) {
        QZSymbol entry;
        entry.SetType(c.type);
        EXPECT_EQ(entry.GetType(), c.type);
        EXPECT_TRUE(entry.HasValue()) << c.type;
        EXPECT_EQ(entry.GetValueText().str(), c.text) << c.type;
    }
}

TEST(QZSymbol, GettersOfAnotherTypeGiveTheEmptyValue) {
    QZSymbol entry;
    entry.SetString("12");
    EXPECT_EQ(entry.GetInteger(), 0);
    EXPECT_EQ(entry.GetDouble(), 0.0);
    EXPECT_EQ(entry.GetKey(), QZKeyCombo(0, 0));
    EXPECT_EQ(entry.GetSpan(), QZDateSpan());
    EXPECT_EQ(entry.GetDate().m_dt, 0.0);
    EXPECT_EQ(entry.GetCurrency(), COleCurrency());
    EXPECT_EQ(entry.GetReference(), nullptr);
    EXPECT_EQ(entry.GetArray(), nullptr);
}

TEST(QZSymbol, KeySetterCopiesDbIdKeyIdAndType) {
    QZSymbol entry;
    entry.SetKey(QZKeyCombo(3, 12, OBJ_IMAGE));
    EXPECT_EQ(entry.GetKey().m_DbID, 3);
    EXPECT_EQ(entry.GetKey().m_KeyID, 12);
    EXPECT_EQ(entry.GetKey().m_ObjectType, OBJ_IMAGE);
}

TEST(QZSymbol, AssignmentTakesNameKindTypeAndACopyOfTheValue) {
    QZSymbol source;
    source.SetName("total");
    source.SetKind(QZSymbol::KIND_INTEGER_CONST);
    source.SetInteger(9);
    QZSymbol target;
    target.SetString("old");
    target = source;
    EXPECT_EQ(target.GetName(), "total");
    EXPECT_EQ(target.GetKind(), QZSymbol::KIND_INTEGER_CONST);
    EXPECT_EQ(target.GetType(), QZSymbol::TYPE_INTEGER);
    EXPECT_EQ(target.GetInteger(), 9);

    QZSymbol untyped; // no type: the target ends without a value
    target = untyped;
    EXPECT_EQ(target.GetType(), QZSymbol::TYPE_NONE);
    EXPECT_FALSE(target.HasValue());
}

TEST(QZSymbol, AssignedArrayIsADeepCopy) {
    QZSymbol source;
    SymbolTable* elements = source.MakeArray();
    elements->GetElement(1, TRUE)->SetString("a");
    elements->GetElement(2, TRUE)->MakeRecord()->SetInteger("n", 1);

    QZSymbol copy;
    copy = source;
    copy.GetArray()->GetElement(1, TRUE)->SetString("changed");
    copy.GetArray()->GetElement(2, TRUE)->GetRecord()->SetInteger("n", 2);

    EXPECT_EQ(source.GetArray()->GetElement(1, FALSE)->GetString(), "a");
    EXPECT_EQ(source.GetArray()->GetElement(2, FALSE)->GetRecord()->Find("n", FALSE)->GetInteger(),
              1);
    EXPECT_EQ(copy.GetArray()->GetCount(), 2);
}

TEST(QZSymbol, AssignedAddressDesignatesTheSameEntry) {
    QZSymbol target;
    QZSymbol address;
    address.SetAddress(&target);
    QZSymbol copy;
    copy = address;
    EXPECT_EQ(copy.GetType(), QZSymbol::TYPE_ADDRESS);
    EXPECT_EQ(copy.GetAddress(), &target);
}

TEST(QZSymbol, ArrayTakesOneOfItsOwnElements) {
    QZSymbol outer;
    QZSymbol* inner = outer.MakeArray()->GetElement(1, TRUE);
    inner->MakeArray()->GetElement(1, TRUE)->SetString("deep");
    outer = *inner; // the source lives inside the value being replaced
    ASSERT_EQ(outer.GetType(), QZSymbol::TYPE_ARRAY);
    EXPECT_EQ(outer.GetArray()->GetElement(1, FALSE)->GetString(), "deep");

    QZSymbol record;
    SymbolTable* members = record.MakeRecord();
    members->SetString("name", "x");
    record.SetTable(*members, TRUE); // its own table, now as an array
    EXPECT_EQ(record.GetType(), QZSymbol::TYPE_ARRAY);
    EXPECT_EQ(record.GetArray()->Find("name", FALSE)->GetString(), "x");
}

TEST(QZSymbol, VariantFormOfEachType) {
    struct Case {
        const char* what;
        std::function<void(QZSymbol&)> make;
        COleVariant expected;
    } cases[] = {
        {"integer", [](QZSymbol& s) { s.SetInteger(-42); }, COleVariant(LONG(-42))},
        {"currency", [](QZSymbol& s) { s.SetCurrency(COleCurrency(12, 5000)); },
         COleVariant(COleCurrency(12, 5000))},
        {"double", [](QZSymbol& s) { s.SetDouble(2.25); }, COleVariant(2.25)},
        {"date", [](QZSymbol& s) { s.SetDate(COleDateTime(1999, 3, 14, 10, 20, 0)); },
         COleVariant(COleDateTime(1999, 3, 14, 10, 20, 0))},
        {"string", [](QZSymbol& s) { s.SetString("caf\xc3\xa9"); }, COleVariant("caf\xc3\xa9")},
        {"key of the open database", [](QZSymbol& s) { s.SetKey(QZKeyCombo(0, 5)); },
         COleVariant(":5")},
        {"key of another database", [](QZSymbol& s) { s.SetKey(QZKeyCombo(3, 5)); },
         COleVariant("3:5")},
        {"span", [](QZSymbol& s) { s.SetSpan(QZDateSpan(1, 0, 0, 0, 0, 0)); }, COleVariant()},
        {"array", [](QZSymbol& s) { s.MakeArray(); }, COleVariant()},
        {"no value", [](QZSymbol&) {}, COleVariant()},
    };
    for (const Case& c : cases) {
        QZSymbol entry;
        c.make(entry);
        EXPECT_TRUE(entry.GetVariant() == c.expected) << c.what;
    }
}

TEST(QZSymbol, TypesWithoutVariantFormLeaveThePreviousVariant) {
    QZSymbol entry;
    entry.SetInteger(7);
    entry.GetVariant();
    entry.SetSpan(QZDateSpan(1, 0, 0, 0, 0, 0));
    EXPECT_TRUE(entry.GetVariant() == COleVariant(LONG(7)));
}

TEST(QZSymbol, ValueFromEachVariantType) {
    COleCurrency cents(0, 1234);
    cents.SetStatus(COleCurrency::invalid); // the variant holds no status: it comes back valid
    COleVariant currency(cents);
    COleVariant error(LONG(5), VT_ERROR);
    COleVariant null;
    null.vt = VT_NULL;
    struct Case {
        const char* what;
        COleVariant variant;
        LONG type;
        CString text;
    } cases[] = {
        {"16-bit integer", COleVariant(short(-3)), QZSymbol::TYPE_INTEGER, "-3"},
        {"32-bit integer", COleVariant(LONG(100000)), QZSymbol::TYPE_INTEGER, "100000"},
        {"boolean true", COleVariant(short(1), VT_BOOL), QZSymbol::TYPE_INTEGER, "-1"},
        {"boolean false", COleVariant(short(0), VT_BOOL), QZSymbol::TYPE_INTEGER, "0"},
        {"byte", COleVariant(BYTE(200)), QZSymbol::TYPE_INTEGER, "200"},
        {"float", COleVariant(1.5f), QZSymbol::TYPE_DOUBLE, "1.5"},
        {"double", COleVariant(0.1), QZSymbol::TYPE_DOUBLE, "0.1"},
        {"currency", currency, QZSymbol::TYPE_CURRENCY, "$0.1234"},
        {"date", COleVariant(COleDateTime(1999, 3, 14, 10, 20, 0)), QZSymbol::TYPE_DATE,
         "Sun Mar 14 1999 10:20:00"},
        {"string", COleVariant("Home"), QZSymbol::TYPE_STRING, "\"Home\""},
        {"database NULL", null, QZSymbol::TYPE_NULL, "reserved word or record member"},
        {"empty", COleVariant(), QZSymbol::TYPE_NULL, "reserved word or record member"},
        {"error code", error, QZSymbol::TYPE_NULL, "reserved word or record member"},
    };
    for (const Case& c : cases) {
        QZSymbol entry;
        entry.SetString("before");
        entry.SetVariant(c.variant);
        EXPECT_EQ(entry.GetType(), c.type) << c.what;
        EXPECT_EQ(entry.GetValueText(), c.text) << c.what;
    }
}

TEST(QZSymbol, DatabaseNullHasNoValueNoTruthAndNoVariantForm) {
    COleVariant null;
    null.vt = VT_NULL;
    QZSymbol entry;
    entry.SetVariant(null);
    EXPECT_FALSE(entry.HasValue());
    EXPECT_FALSE(entry.IsTrue());
    EXPECT_EQ(entry.GetVariant().vt, VT_EMPTY);
}

TEST(QZSymbol, VariantDateAndCurrencyComeBackValid) {
    COleVariant date(COleDateTime(2000, 2, 29, 0, 0, 0));
    QZSymbol entry;
    entry.SetVariant(date);
    EXPECT_EQ(entry.GetDate().GetStatus(), COleDateTime::valid);
    EXPECT_EQ(entry.GetDate(), COleDateTime(2000, 2, 29, 0, 0, 0));
}

TEST(QZSymbol, ValueTextOfEachType) {
    QZSymbol target;
    struct Case {
        const char* what;
        std::function<void(QZSymbol&)> make;
        const char* text;
    } cases[] = {
        {"integer", [](QZSymbol& s) { s.SetInteger(-7); }, "-7"},
        {"currency", [](QZSymbol& s) { s.SetCurrency(COleCurrency(1234, 5000)); }, "$1234.5"},
        {"double", [](QZSymbol& s) { s.SetDouble(1e20); }, "1e+20"},
        {"double", [](QZSymbol& s) { s.SetDouble(2.5); }, "2.5"},
        {"date", [](QZSymbol& s) { s.SetDate(COleDateTime(1998, 5, 5, 10, 30, 0)); },
         "Tue May 05 1998 10:30:00"},
        {"string", [](QZSymbol& s) { s.SetString("say \"hi\""); }, "\"say \"hi\"\""},
        {"key", [](QZSymbol& s) { s.SetKey(QZKeyCombo(0, 5)); }, "0:5"},
        {"span", [](QZSymbol& s) { s.SetSpan(QZDateSpan(3, 4, 0, 0, 2, 1)); },
         "1y2m3 days, 04:00:00"},
        {"reference", [&](QZSymbol& s) { s.SetReference(&target); }, "entry placeholder"},
        {"null", [](QZSymbol& s) { s.SetType(QZSymbol::TYPE_NULL); },
         "reserved word or record member"},
    };
    for (const Case& c : cases) {
        QZSymbol entry;
        c.make(entry);
        EXPECT_EQ(entry.GetValueText().str(), c.text) << c.what;
    }
}
