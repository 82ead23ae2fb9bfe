#include "platform/core/COleCurrency.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

COleCurrency Amount(int64_t tenThousandths) {
    return COleCurrency(CY{tenThousandths});
}

COleCurrency WithStatus(COleCurrency::CurrencyStatus status) {
    COleCurrency amount(1, 0);
    amount.SetStatus(status);
    return amount;
}

} // namespace

TEST(COleCurrency, UnitsAndFractionMakeTheFixedPointValue) {
    struct Case {
        LONG units, fraction;
        int64_t value;
    } cases[] = {
        {1, 2000, 12000},
        {3, 0, 30000},
        {-1, 5000, -15000},
        {-1, -5000, -15000},
        {0, -5000, -5000},
        {0, 0, 0},
        {2147483647, 9999, 21474836479999},
        {-2147483647 - 1, 0, -21474836480000},
    };
    for (const Case& c : cases) {
        COleCurrency amount(c.units, c.fraction);
        EXPECT_EQ(amount.m_cur.int64, c.value) << c.units << " " << c.fraction;
        EXPECT_EQ(amount.GetStatus(), COleCurrency::valid);
    }
}

TEST(COleCurrency, DoublesRoundToTheNearestTenThousandth) {
    struct Case {
        double value;
        int64_t expected;
    } cases[] = {
        {0.29, 2900},     {1.2, 12000},
        {1.00005, 10001}, {-1.00005, -10001},
        {2.675, 26750},   {0.00004, 0},
        {-0.5, -5000},    {0.1 + 0.2, 3000},
        {19.99, 199900},  {1234567.891249, 12345678912},
        {-0.00006, -1},   {922337203685477.0, 9223372036854770000},
    };
    for (const Case& c : cases) {
        COleCurrency amount = COleCurrency::FromDouble(c.value);
        EXPECT_EQ(amount.GetStatus(), COleCurrency::valid) << c.value;
        EXPECT_EQ(amount.m_cur.int64, c.expected) << c.value;
    }
    double tooLarge[] = {1e15, -1e15, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()};
    for (double value : tooLarge)
        EXPECT_EQ(COleCurrency::FromDouble(value).GetStatus(), COleCurrency::invalid) << value;
    EXPECT_EQ(Amount(2900).ToDouble(), 0.29);
    EXPECT_EQ(Amount(-15000).ToDouble(), -1.5);
}

TEST(COleCurrency, ArithmeticAndOverflow) {
    struct Case {
        const char* what;
        COleCurrency result;
        COleCurrency::CurrencyStatus status;
        int64_t value;
    } cases[] = {
        {"1.5 + 2.25", Amount(15000) + Amount(22500), COleCurrency::valid, 37500},
        {"1 - 2.5", Amount(10000) - Amount(25000), COleCurrency::valid, -15000},
        {"2.5 * 3", Amount(25000) * 3, COleCurrency::valid, 75000},
        {"2.5 * -3", Amount(25000) * -3, COleCurrency::valid, -75000},
        {"10 / 3", Amount(100000) / 3, COleCurrency::valid, 33333},
        {"-10 / 3", Amount(-100000) / 3, COleCurrency::valid, -33333},
        {"-(1.5)", -Amount(15000), COleCurrency::valid, -15000},
        {"1 / 0", Amount(10000) / 0, COleCurrency::invalid, 0},
        {"max + 0.0001", Amount(kMax) + Amount(1), COleCurrency::invalid, 0},
        {"min - 0.0001", Amount(kMin) - Amount(1), COleCurrency::invalid, 0},
        {"max * 2", Amount(kMax) * 2, COleCurrency::invalid, 0},
        {"-min", -Amount(kMin), COleCurrency::invalid, 0},
        {"min / -1", Amount(kMin) / -1, COleCurrency::invalid, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result.GetStatus(), c.status) << c.what;
        if (c.status == COleCurrency::valid) {
            EXPECT_EQ(c.result.m_cur.int64, c.value) << c.what;
        }
    }
    COleCurrency running(1, 0);
    running += Amount(5000);
    running *= 4;
    running -= Amount(10000);
    running /= 2;
    EXPECT_EQ(running.m_cur.int64, 25000);
}

TEST(COleCurrency, NullAndInvalidStatusCarryThroughArithmetic) {
    using C = COleCurrency;
    struct Case {
        C::CurrencyStatus left, right, result;
    } cases[] = {
        {C::valid, C::valid, C::valid},     {C::null, C::valid, C::null},
        {C::valid, C::null, C::null},       {C::invalid, C::null, C::null},
        {C::invalid, C::valid, C::invalid}, {C::valid, C::invalid, C::invalid},
    };
    for (const Case& c : cases) {
        EXPECT_EQ((WithStatus(c.left) + WithStatus(c.right)).GetStatus(), c.result);
        EXPECT_EQ((WithStatus(c.left) - WithStatus(c.right)).GetStatus(), c.result);
    }
    for (C::CurrencyStatus status : {C::invalid, C::null}) {
        EXPECT_EQ((WithStatus(status) * 2).GetStatus(), status);
        EXPECT_EQ((WithStatus(status) / 2).GetStatus(), status);
        EXPECT_EQ((-WithStatus(status)).GetStatus(), status);
    }
}

TEST(COleCurrency, ComparisonsSeeStatusOnlyInEquality) {
    EXPECT_TRUE(Amount(-1) < Amount(0));
    EXPECT_TRUE(Amount(30000) >= COleCurrency(3, 0));
    EXPECT_TRUE(Amount(30000) == COleCurrency(3, 0));
    COleCurrency invalidZero = COleCurrency(0, 0);
    invalidZero.SetStatus(COleCurrency::invalid);
    EXPECT_TRUE(invalidZero != COleCurrency(0, 0));
}

TEST(COleCurrency, FormatWritesPlainDigitsWithoutTrailingZeros) {
    struct Case {
        COleCurrency amount;
        const char* text;
    } cases[] = {
        {Amount(12000), "1.2"},
        {Amount(30000), "3"},
        {Amount(-5000), "-0.5"},
        {Amount(1), "0.0001"},
        {Amount(12345678912), "1234567.8912"},
        {Amount(0), "0"},
        {Amount(kMax), "922337203685477.5807"},
        {Amount(kMin), "-922337203685477.5808"},
        {WithStatus(COleCurrency::null), ""},
        {WithStatus(COleCurrency::invalid), "Invalid Currency"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.amount.Format(), c.text) << c.text;
}

TEST(COleCurrency, ParseCurrencyReadsAmountsAndRejectsOtherText) {
    struct Case {
        const char* text;
        BOOL ok;
        int64_t value; // after a failure: 0 for text that is no number, -1 for overflow
    } cases[] = {
        {"1.2", TRUE, 12000},
        {" -3 ", TRUE, -30000},
        {"$1,234.56", TRUE, 12345600},
        {"-$0.5", TRUE, -5000},
        {"0.00005", TRUE, 1},
        {"1.23454", TRUE, 12345},
        {"1e2", TRUE, 1000000},
        {"922337203685477.5807", TRUE, kMax},
        {"-922337203685477.5808", TRUE, kMin},
        {"922337203685477.5808", FALSE, -1},
        {"1e30", FALSE, -1},
        {"abc", FALSE, 0},
        {"", FALSE, 0},
        {"1.2.3", FALSE, 0},
        {"12abc", FALSE, 0},
    };
    for (const Case& c : cases) {
        COleCurrency amount(7, 0);
        EXPECT_EQ(amount.ParseCurrency(c.text), c.ok) << c.text;
        EXPECT_EQ(amount.m_cur.int64, c.value) << c.text;
        EXPECT_EQ(amount.GetStatus(), c.ok ? COleCurrency::valid : COleCurrency::invalid) << c.text;
    }
}

TEST(COleCurrency, FormattedAmountsParseBack) {
    int64_t values[] = {0, 1, -1, 12000, -123456789, kMax, kMin};
    for (int64_t value : values) {
        COleCurrency parsed;
        ASSERT_TRUE(parsed.ParseCurrency(Amount(value).Format())) << value;
        EXPECT_EQ(parsed.m_cur.int64, value);
    }
}
