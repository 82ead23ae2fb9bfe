// The pick list of pages to generate: every kind lists the right pages of a seeded site.

#include "db/QZPickList.h"

#include "tests/db/SiteDatabaseFixture.h"

namespace {

using Names = std::vector<std::string>;

class PickListTest : public SiteDatabaseTest {
protected:
    void SetUp() override {
        SiteDatabaseTest::SetUp();
        // Pages of service 1: in section 10 unless said, style 50 unless said.
        AddPage(1, "Home", "GenerateFlag = 1");
        AddPage(2, "About", "GenerateFlag = 0");
        AddPage(3, "Dyn", "Dynamic = 1, GenerateFlag = 1");
        AddPage(4, "Never", "NeverGenerateFlag = 1, GenerateFlag = 1");
        AddPage(5, "Gone", "Deleted = 1, GenerateFlag = 1");
        AddPage(6, "Other", "SectionID = 11, StyleID = 51");
        AddPage(7, "Elsewhere", "ServiceID = 2, SectionID = 12, GenerateFlag = 1");
        // Each object a page can use (id 70 + kind) is used by Home (twice), Dyn, Never and
        // Gone; About uses an object of another type under the same number.
        for (int kind = pickByLinks; kind <= pickByMultimedia; ++kind) {
            std::string use = std::to_string(70 + kind) + ", " + std::to_string(UseType(kind));
            for (int page : {1, 1, 3, 4, 5})
                Uses(page, use);
            Uses(2, std::to_string(70 + kind) + ", 99");
        }
    }

    static int UseType(int kind) {
        const int types[] = {0, 0, 0, 2, 3, 4, 13, 5, 17, 18, 20, 19};
        return types[kind];
    }

    void AddPage(int id, const std::string& title, const std::string& changes) {
        std::string sql =
            "INSERT INTO Documents (DbID, DocID, ServiceDbID, ServiceID, SectionDbID, "
            "SectionID, StyleDbID, StyleID, Title, AccessControl, Deleted) VALUES "
            "(5, " +
            std::to_string(id) + ", 5, 1, 5, 10, 5, 50, '" + title + "', 0, 0)";
        Db().Execute(sql.c_str());
        Db().Execute(
            ("UPDATE Documents SET " + changes + " WHERE DocID = " + std::to_string(id)).c_str());
    }

    void Uses(int page, const std::string& useKeyAndType) {
        std::string sql = "INSERT INTO Dependents (ObjDbID, ObjKeyID, ObjTypeID, UseDbID, "
                          "UseKeyID, UseTypeID) VALUES (5, " +
                          std::to_string(page) + ", 2, 5, " + useKeyAndType + ")";
        Db().Execute(sql.c_str());
    }

    Names Pick(int kind, const QZKeyCombo& key) {
        QZNameAndKeyList* list = LoadPickList(kind, key);
        Names names;
        if (list == nullptr)
            return {"(no list)"};
        for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
            QZNameAndKey* item = list->GetNext(pos);
            EXPECT_EQ(item->m_Key.m_ObjectType, OBJ_PAGE);
            names.push_back(item->m_Name.str());
        }
        DeleteNameAndKeyList(list);
        return names;
    }
};

TEST_F(PickListTest, EveryKindListsItsLivePagesThatMayBeGeneratedByTitle) {
    const Names users{"Dyn", "Home"}; // static or dynamic, each once
    struct {
        int kind;
        QZKeyCombo key;
        Names pages;
    } cases[] = {
        {pickByService, QZKeyCombo(5, 1), {"About", "Home", "Other"}},
        {pickMarkedToGenerate, QZKeyCombo(5, 1), {"Dyn", "Home"}},
        {pickBySection, QZKeyCombo(5, 10), {"About", "Home"}},
        {pickByStyle, QZKeyCombo(5, 50), {"About", "Elsewhere", "Home"}}, // of any service
        {pickByService, QZKeyCombo(5, 9), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Pick(c.kind, c.key), c.pages) << "kind " << c.kind;
    for (int kind = pickByLinks; kind <= pickByMultimedia; ++kind)
        EXPECT_EQ(Pick(kind, QZKeyCombo(5, 70 + kind)), users) << "kind " << kind;
}

TEST_F(PickListTest, KindOutsideTheTableRunsNoQuery) {
    EXPECT_EQ(PickListQueryName(13), nullptr);
    EXPECT_EQ(PickListQueryName(-1), nullptr);
    EXPECT_STREQ(PickListQueryName(pickByStyle), "MQ_PickDocsByStyle");
    EXPECT_EQ(LoadPickList(13, QZKeyCombo(5, 1)), nullptr);
    EXPECT_EQ(LoadPickList(-1, QZKeyCombo(5, 1)), nullptr);
}

} // namespace
