// The setcookie command: one header line for every cookie parameter with the expires, path,
// domain and secure attributes, values encoded (control characters too), the variables of
// the cookies' names set in the enclosing scope, expiry dates in GMT with English names, and
// paths and domains that would break the header line left out.

#include "template/commands/QZCmdSetCookie.h"
#include "tests/template/TemplatePage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

class SetCookieTest : public ::testing::Test, public TemplatePage {
protected:
    // Central European time, with summer time from the last Sunday of March to the last
    // Sunday of October.
    void SetUp() override {
        const char* zone = std::getenv("TZ");
        m_hadZone = zone != nullptr;
        m_zone = m_hadZone ? zone : "";
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }
    void TearDown() override {
        m_hadZone ? setenv("TZ", m_zone.c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    bool m_hadZone = false;
    std::string m_zone;
};

TEST_F(SetCookieTest, WritesOneLinePerCookieAndSetsItsVariable) {
    EXPECT_EQ(Generate("<<setcookie user=\"a b&c\", path=\"/\">>"),
              "Set-Cookie: user=a+b%26c; path=/\r\n");
    ASSERT_NE(Var("user"), nullptr);
    EXPECT_EQ(Var("user")->GetString().str(), "a b&c");

    EXPECT_EQ(Generate("<<setcookie n=5>>"), "Set-Cookie: n=5\r\n");
    ASSERT_NE(Var("n"), nullptr);
    EXPECT_EQ(Var("n")->GetType(), QZSymbol::TYPE_INTEGER);
    EXPECT_EQ(Var("n")->GetInteger(), 5);

    EXPECT_EQ(Generate("<<setcookie x=2.5, d=#1/5/1998 14:03#>>"),
              "Set-Cookie: x=2.5\r\nSet-Cookie: d=\r\n");
    EXPECT_EQ(Var("x")->GetDouble(), 2.5);
    // A value of another type sets nothing.
    EXPECT_EQ(Var("d"), nullptr);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SetCookieTest, EncodesReservedAndControlCharacters) {
    Scope().SetString("crlf", "a\r\nb\x7f");
    EXPECT_EQ(Generate("<<setcookie v=crlf>>"), "Set-Cookie: v=a%0d%0ab%7f\r\n");
    EXPECT_EQ(QZCmdSetCookie::EncodeValue("%&+;=? x/é\t").str(), "%25%26%2b%3b%3d%3f+x/é%09");
}

TEST_F(SetCookieTest, EveryCookieCarriesTheAttributes) {
    EXPECT_EQ(Generate("<<setcookie a=\"1\", b=2, expires=#6/15/2024 14:30:00#, path=\"/shop\", "
                       "domain=\"acme.test\", secure>>"),
              "Set-Cookie: a=1; expires=Saturday 15-Jun-24 12:30:00 GMT; path=/shop; "
              "domain=acme.test; secure\r\n"
              "Set-Cookie: b=2; expires=Saturday 15-Jun-24 12:30:00 GMT; path=/shop; "
              "domain=acme.test; secure\r\n");
}

TEST_F(SetCookieTest, ExpiryDatesAreLocalTimesWrittenInGmt) {
    struct Case {
        COleDateTime when;
        const char* text;
    } cases[] = {
        {COleDateTime(2024, 6, 15, 14, 30, 0), "Saturday 15-Jun-24 12:30:00 GMT"},
        {COleDateTime(2025, 1, 2, 0, 59, 59), "Wednesday 01-Jan-25 23:59:59 GMT"},
        {COleDateTime(1999, 12, 31, 23, 0, 0), "Friday 31-Dec-99 22:00:00 GMT"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QZCmdSetCookie::FormatExpires(c.when).str(), c.text);
}

TEST_F(SetCookieTest, APathOrDomainThatWouldBreakTheLineIsLeftOut) {
    Scope().SetString("nl", "acme.test\r\nX-Evil: 1");
    EXPECT_EQ(Generate("<<setcookie c=\"v\", path=\"/a;b\", domain=nl>>"), "Set-Cookie: c=v\r\n");
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "1: setcookie: invalid path /a;b specified",
                           "1: setcookie: invalid domain acme.test\r\nX-Evil: 1 specified"}));
}

TEST_F(SetCookieTest, WritesItselfBack) {
    EXPECT_EQ(WriteBack("<<setcookie a = \"1\", secure>>", QZVantrelContext::MODE_REWRITE),
              "<<setcookie a = \"1\", secure>>");
}

} // namespace
