#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlTokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using T = JetTokenType;

// The tokens of `text` as "type:text" words, End left out.
std::vector<std::string> Words(const std::string& text) {
    static const char* const names[] = {"name", "bracket", "string", "number",
                                        "date", "op",      "punct",  "end"};
    std::vector<std::string> words;
    for (const JetToken& t : JetSqlTokenizer::Tokenize(text))
        if (t.type != T::End)
            words.push_back(std::string(names[static_cast<int>(t.type)]) + ":" + t.text);
    return words;
}

} // namespace

TEST(JetSqlTokenizer, SplitsEveryKindOfToken) {
    struct Case {
        const char* text;
        std::vector<std::string> words;
    } cases[] = {
        {"SELECT DISTINCTROW Documents.* FROM Documents;",
         {"name:SELECT", "name:DISTINCTROW", "name:Documents", "punct:.", "op:*", "name:FROM",
          "name:Documents", "punct:;"}},
        {"\"A\"+[MQ_ActiveX]![Title] AS Title",
         {"string:A", "op:+", "bracket:MQ_ActiveX", "punct:!", "bracket:Title", "name:AS",
          "name:Title"}},
        {"[Enter a date]>=#3/14/1999#",
         {"bracket:Enter a date", "op:>=", "date:1999-03-14 00:00:00"}},
        {"a<>b<=c<d>e&f",
         {"name:a", "op:<>", "name:b", "op:<=", "name:c", "op:<", "name:d", "op:>", "name:e",
          "op:&", "name:f"}},
        {"12 1.5 2E3 .5 7e-2",
         {"number:12", "number:1.5", "number:2E3", "number:.5", "number:7e-2"}},
        {"Mod(x,2)-y\\z^2",
         {"name:Mod", "punct:(", "name:x", "punct:,", "number:2", "punct:)", "op:-", "name:y",
          "op:\\", "name:z", "op:^", "number:2"}},
        {"Ex.5", {"name:Ex", "punct:.", "number:5"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Words(c.text), c.words) << c.text;
}

TEST(JetSqlTokenizer, QuotedTextLosesItsQuotesAndKeepsDoubledOnesOnce) {
    EXPECT_EQ(
        Words("\"say \"\"hi\"\"\" 'it''s' \"'\" '\"'"),
        (std::vector<std::string>{"string:say \"hi\"", "string:it's", "string:'", "string:\""}));
    EXPECT_EQ(Words("\"\""), (std::vector<std::string>{"string:"}));
}

TEST(JetSqlTokenizer, RunsOfTabsAndLineBreaksOnlySeparate) {
    std::vector<JetToken> tokens =
        JetSqlTokenizer::Tokenize("PARAMETERS x Long;\t\t\tSELECT x \r\n\t\t\tFROM T");
    ASSERT_EQ(tokens.size(), 9u);
    EXPECT_EQ(tokens[4].text, "SELECT");
    EXPECT_EQ(tokens[4].offset, 21u);
    EXPECT_EQ(tokens[6].text, "FROM");
    EXPECT_EQ(tokens[8].type, T::End);
}

TEST(JetSqlTokenizer, DatesBecomeIsoText) {
    struct Case {
        const char* text;
        const char* iso;
    } cases[] = {
        {"#3/14/1999#", "1999-03-14 00:00:00"},
        {"#1999-03-14 10:20#", "1999-03-14 10:20:00"},
        {"#2/29/2000 1:05:09 AM#", "2000-02-29 01:05:09"},
        {"#12/31/99 12:00 PM#", "1999-12-31 12:00:00"},
        {"#1/2/05#", "2005-01-02 00:00:00"},
        {"#10:20 pm#", "1899-12-30 22:20:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Words(c.text), std::vector<std::string>{std::string("date:") + c.iso}) << c.text;
}

TEST(JetSqlTokenizer, MalformedTextIsASyntaxErrorNamingThePlace) {
    const char* bad[] = {"SELECT \"open", "SELECT 'open", "SELECT [open", "SELECT []",
                         "#3/14/1999",    "#2/30/1999#",  "#13/1/1999#",  "#25:00#",
                         "#hello#",       "a $ b",        "a ? b",        "12abc"};
    for (const char* text : bad) {
        try {
            JetSqlTokenizer::Tokenize(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const JetSqlError& e) {
            EXPECT_EQ(e.GetReason(), JetSqlError::Reason::Syntax) << text;
            EXPECT_NE(std::string(e.what()).find("at character"), std::string::npos) << text;
        }
    }
}
