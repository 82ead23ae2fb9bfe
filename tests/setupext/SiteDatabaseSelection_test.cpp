// The export's rules with a scripted chooser: when it asks, what it offers, and what it writes
// back into the setup program's table, also when the table is odd or broken.

#include "setupext/SiteDatabaseSelection.h"
#include "tests/setupext/TestSetupTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// Answers with a path (or cancels) and keeps what it was offered.
class ScriptedChooser : public SetupFileChooser {
public:
    explicit ScriptedChooser(std::optional<std::string> answer) : m_answer(std::move(answer)) {}

    bool Choose(const std::string& folder, const std::string& fileName,
                std::string* chosen) override {
        ++asked;
        offeredFolder = folder;
        offeredName = fileName;
        if (m_answer)
            *chosen = *m_answer;
        return m_answer.has_value();
    }

    int asked = 0;
    std::string offeredFolder;
    std::string offeredName;

private:
    std::optional<std::string> m_answer;
};

// The entry that a case expects to be written: index, name as stored, value.
struct Written {
    uint32_t index;
    std::string name;
    std::string value;
};

struct Case {
    const char* what;
    uint32_t capacity, nameWidth, valueWidth;
    std::function<void(TestSetupTable&)> fill;
    std::optional<std::string> answer; // nullopt: Cancel
    bool asks;
    std::string offeredFolder, offeredName;
    std::optional<Written> written; // nullopt: the table comes back unchanged
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.what;
}

const std::string k255(255, 'p');
const std::string k256(256, 'p');

void OldAndData(TestSetupTable& t) {
    t.Add("VANTREL_DIR", "/old/SITE.MDB");
    t.Add("DATA_DIR", "/data");
}

const Case kCases[] = {
    {"inactive table", 4, 32, 256,
     [](TestSetupTable& t) {
         OldAndData(t);
         t.table.active = 0;
     },
     "/data/NEW.MDB", false, "", "", std::nullopt},
    {"replace", 4, 32, 256, OldAndData, "/data/NEW.MDB", true, "/data", "/old/SITE.MDB",
     Written{0, "%VANTREL_DIR%", "/data/NEW.MDB"}},
    {"any nonzero active runs", 4, 32, 256,
     [](TestSetupTable& t) {
         OldAndData(t);
         t.table.active = 0x80000000u;
     },
     "/data/NEW.MDB", true, "/data", "/old/SITE.MDB", Written{0, "%VANTREL_DIR%", "/data/NEW.MDB"}},
    {"cancel", 4, 32, 256, OldAndData, std::nullopt, true, "/data", "/old/SITE.MDB", std::nullopt},
    {"append at count", 4, 32, 256, [](TestSetupTable& t) { t.Add("DATA_DIR", "/data"); },
     "/data/NEW.MDB", true, "/data", "", Written{1, "%VANTREL_DIR%", "/data/NEW.MDB"}},
    {"append into an empty table", 1, 32, 256, [](TestSetupTable&) {}, "/n.mdb", true, "", "",
     Written{0, "%VANTREL_DIR%", "/n.mdb"}},
    {"full table", 1, 32, 256, [](TestSetupTable& t) { t.Add("DATA_DIR", "/data"); },
     "/data/NEW.MDB", true, "/data", "", std::nullopt},
    {"names are matched case-sensitively", 4, 32, 256,
     [](TestSetupTable& t) {
         t.Put(0, "%vantrel_dir%", "/lower.mdb");
         t.Put(1, "%Data_Dir%", "/lower");
     },
     "/data/NEW.MDB", true, "", "", Written{2, "%VANTREL_DIR%", "/data/NEW.MDB"}},
    {"the first of two equal names", 4, 32, 256,
     [](TestSetupTable& t) {
         t.Add("VANTREL_DIR", "/first.mdb");
         t.Add("VANTREL_DIR", "/second.mdb");
     },
     "/n.mdb", true, "", "/first.mdb", Written{0, "%VANTREL_DIR%", "/n.mdb"}},
    {"a path of 255 bytes is stored", 4, 32, 256, OldAndData, "/" + k255.substr(1), true, "/data",
     "/old/SITE.MDB", Written{0, "%VANTREL_DIR%", "/" + k255.substr(1)}},
    {"a path over 255 bytes leaves the value", 4, 32, 512, OldAndData, "/" + k256.substr(1), true,
     "/data", "/old/SITE.MDB", std::nullopt},
    {"a path over the value width leaves the value", 4, 32, 20, OldAndData, "/data/1234567890.mdb",
     true, "/data", "/old/SITE.MDB", std::nullopt},
    {"a path that just fits the value width", 4, 32, 20, OldAndData, "/data/123456789.mdb", true,
     "/data", "/old/SITE.MDB", Written{0, "%VANTREL_DIR%", "/data/123456789.mdb"}},
    {"unterminated name is no match, and no key fits", 4, 13, 64,
     [](TestSetupTable& t) { t.Put(0, "%VANTREL_DIR%", "/old.mdb"); }, "/n.mdb", true, "", "",
     std::nullopt},
    {"unterminated value reads as empty and is replaced", 4, 32, 16,
     [](TestSetupTable& t) {
         t.Add("VANTREL_DIR", "/abcdefghijklmno");
         t.Add("DATA_DIR", "/data");
     },
     "/n.mdb", true, "/data", "", Written{0, "%VANTREL_DIR%", "/n.mdb"}},
    {"value over 255 bytes reads as empty", 4, 32, 400,
     [](TestSetupTable& t) { t.Add("VANTREL_DIR", "/" + k256); }, std::nullopt, true, "", "",
     std::nullopt},
    {"name width too small to append", 4, 8, 256, [](TestSetupTable&) {}, "/n.mdb", true, "", "",
     std::nullopt},
    {"count above capacity", 2, 32, 256,
     [](TestSetupTable& t) {
         OldAndData(t);
         t.table.count = 3;
     },
     "/n.mdb", false, "", "", std::nullopt},
    {"more than 65,535 entries", 2, 32, 256,
     [](TestSetupTable& t) {
         OldAndData(t);
         t.table.capacity = 65536;
     },
     "/n.mdb", false, "", "", std::nullopt},
    {"no names area", 4, 32, 256,
     [](TestSetupTable& t) {
         OldAndData(t);
         t.table.names = nullptr;
     },
     "/n.mdb", false, "", "", std::nullopt},
    {"no values area", 4, 32, 256,
     [](TestSetupTable& t) {
         OldAndData(t);
         t.table.values = nullptr;
     },
     "/n.mdb", false, "", "", std::nullopt},
};

class SiteDatabaseSelectionCases : public ::testing::TestWithParam<Case> {};

TEST_P(SiteDatabaseSelectionCases, OffersAndWritesAsTheRulesSay) {
    const Case& c = GetParam();
    TestSetupTable table(c.capacity, c.nameWidth, c.valueWidth);
    c.fill(table);
    const std::vector<char> before = table.Bytes();
    const uint32_t count = table.table.count;
    ScriptedChooser chooser(c.answer);

    EXPECT_EQ(SelectSiteDatabase(&table.table, chooser), 0);

    EXPECT_EQ(chooser.asked, c.asks ? 1 : 0);
    EXPECT_EQ(chooser.offeredFolder, c.offeredFolder);
    EXPECT_EQ(chooser.offeredName, c.offeredName);
    if (!c.written) {
        EXPECT_TRUE(table.Bytes() == before) << "the table changed";
        return;
    }
    // Exactly the one entry changed (and the count, when it was appended).
    TestSetupTable expected(c.capacity, c.nameWidth, c.valueWidth);
    c.fill(expected);
    expected.Put(c.written->index, c.written->name, c.written->value);
    expected.table.names = table.table.names;
    expected.table.values = table.table.values;
    EXPECT_TRUE(table.Bytes() == expected.Bytes()) << "more than the entry changed";
    EXPECT_EQ(table.table.count, std::max(count, c.written->index + 1));
    EXPECT_EQ(table.Name(c.written->index), c.written->name);
    EXPECT_EQ(table.Value(c.written->index), c.written->value);
}

INSTANTIATE_TEST_SUITE_P(Table, SiteDatabaseSelectionCases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name;
                             for (const char* p = info.param.what; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(SiteDatabaseSelection, NoTableIsNoQuestion) {
    ScriptedChooser chooser("/n.mdb");
    EXPECT_EQ(SelectSiteDatabase(nullptr, chooser), 0);
    EXPECT_EQ(chooser.asked, 0);
}

} // namespace
