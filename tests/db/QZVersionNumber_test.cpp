// Schema versions are read as dotted numbers and compared part by part.

#include "db/QZVersionNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(QZVersionNumber, ComparesPartByPartAsNumbers) {
    struct Case {
        const char* version;
        const char* reference;
        int order;
    };
    const Case cases[] = {
        {"1.4", "1.30", -1},  {"1.29", "1.30", -1},  {"1.3", "1.30", -1},   {"0.99", "1.30", -1},
        {"1.30", "1.30", 0},  {" 1.30 ", "1.30", 0}, {"1.30.0", "1.30", 0}, {"01.030", "1.30", 0},
        {"1.100", "1.30", 1}, {"1.31", "1.30", 1},   {"2", "1.30", 1},      {"1.30.1", "1.30", 1},
    };
    for (const Case& c : cases) {
        int order = 99;
        EXPECT_TRUE(QZVersionNumber::Compare(c.version, c.reference, &order)) << c.version;
        EXPECT_EQ(c.order, order) << c.version;
    }
}

TEST(QZVersionNumber, TextThatIsNoVersionCannotBeCompared) {
    for (const char* text :
         {"", " ", "abc", "1.", ".30", "1..30", "1.3a", "1,30", "-1.30", "v1.30", "1.1234567890"}) {
        int order = 99;
        EXPECT_FALSE(QZVersionNumber::Compare(text, "1.30", &order)) << '"' << text << '"';
        EXPECT_EQ(99, order) << text;
        EXPECT_FALSE(QZVersionNumber::Compare("1.30", text, &order)) << text;
    }
}

} // namespace
