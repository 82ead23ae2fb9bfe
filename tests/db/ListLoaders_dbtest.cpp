// The list loaders on a seeded site: each returns the right objects, with the marker letters
// its query puts before their names, in the query's order, as a new list the caller owns.

#include "db/CImagesListSet.h"
#include "db/QZListLoaders.h"
#include "tests/db/SiteDatabaseFixture.h"

#include <filesystem>
#include <functional>

namespace {

using Names = std::vector<std::string>;
using Loader = std::function<QZNameAndKeyList*(const QZKeyCombo&, BOOL)>;

const QZKeyCombo kMain(5, 1, OBJ_SERVICE);   // the service the lists are asked of
const QZKeyCombo kOther(5, 2, OBJ_SERVICE);  // another service
const QZKeyCombo kSecA(5, 10, OBJ_SECTION);  // a section of kMain
const QZKeyCombo kEmpty(5, 11, OBJ_SECTION); // a section of kMain with nothing in it
const QZKeyCombo kAdvertiser(5, 1, OBJ_ADVERTISER);

struct Listed {
    Names names;
    std::vector<SHORT> types;
    std::vector<QZKeyCombo> keys;
};

// Takes the list over: reads it and frees it with its items.
Listed Take(QZNameAndKeyList* list) {
    Listed listed;
    EXPECT_NE(list, nullptr);
    if (list == nullptr)
        return listed;
    for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
        QZNameAndKey* item = list->GetNext(pos);
        listed.names.push_back(item->m_Name.str());
        listed.types.push_back(item->m_Key.m_ObjectType);
        listed.keys.push_back(item->m_Key);
    }
    DeleteNameAndKeyList(list);
    return listed;
}

class ListLoaderTest : public SiteDatabaseTest {
protected:
    void SetUp() override {
        SiteDatabaseTest::SetUp();
        // Seeded once a process, then copied for each test.
        static TempDir folder;
        static std::string seeded;
        if (seeded.empty()) {
            SeedSite();
            seeded = folder.file("seeded.mdb");
            ASSERT_TRUE(CDaoDatabase::CopyDatabaseFile(m_path.c_str(), seeded.c_str(), TRUE));
            return;
        }
        Db().Close();
        std::filesystem::remove(m_path);
        ASSERT_TRUE(CDaoDatabase::CopyDatabaseFile(seeded.c_str(), m_path.c_str(), TRUE));
        ASSERT_EQ(Db().OpenDatabase(0), 1);
    }

    void SeedSite() {
        Insert("Services", "DbID, ServiceID, Name, Deleted",
               {"5, 1, 'Main', 0", "5, 2, 'Other', 0", "5, 3, 'Gone', 1"});
        Insert("Sections", "DbID, SectionID, ServiceDbID, ServiceID, SectionName, Deleted",
               {"5, 10, 5, 1, 'Sec B', 0", "5, 11, 5, 1, 'Sec A', 0", "5, 12, 5, 1, 'Sec X', 1",
                "5, 13, 5, 2, 'Sec Z', 0"});
        Insert("Authors", "DbID, AuthorID, AuthorName, Active, Deleted",
               {"5, 1, 'Zed', 1, 0", "5, 2, 'Amy', 1, 0", "5, 3, 'Bob', 1, 1"});
        Seed("Documents", "DocID", "Title", true);
        Exec("UPDATE Documents SET GenerateFlag = 1 WHERE DocID = 2");
        Insert("Documents",
               "DbID, DocID, ServiceDbID, ServiceID, SectionDbID, SectionID, Title, "
               "Dynamic, AccessControl, Deleted",
               {"5, 5, 5, 1, 5, 10, 'Cgi', 1, 0, 0"});
        Seed("Templates", "TemplateID", "TemplateName", false);
        Seed("Images", "ImageID", "Name", true);
        Seed("Forms", "FormID", "Title", false);
        Seed("Messages", "MessageID", "Title", false);
        Seed("Query", "QueryID", "QueryName", false);
        Exec("UPDATE Query SET QueryType = 1 WHERE QueryID = 2");
        Seed("Styles", "StyleID", "StyleName", false);
        Seed("MQ_ActiveX", "ObjectID", "Title", true);
        Seed("MQ_Java", "JavaID", "Title", true);
        Seed("MQ_Media", "MediaID", "Title", true);
        Seed("MQ_Script", "ScriptID", "Title", true);
        Seed("MQ_Events", "EventID", "Title", false);
        Seed("MQ_Advertiser", "AdvertiserID", "BusinessName", false);
        Seed("MQ_Ad", "AdID", "Title", false);
        Exec("UPDATE MQ_Ad SET AdvertiserDbID = 5, AdvertiserID = ServiceID");
        Seed("MQ_AdSpace", "AdSpaceID", "Title", false);
    }

    void Exec(const std::string& sql) { Db().Execute(sql.c_str()); }

    void Insert(const std::string& table, const std::string& columns, const Names& rows) {
        for (const std::string& row : rows)
            ExecuteOn(m_path, "INSERT INTO " + table + " (" + columns + ") VALUES (" + row + ")");
    }

    // Two live objects of kMain (in kSecA) named out of order, a deleted one, and one of kOther.
    void Seed(const std::string& table, const std::string& id, const std::string& title,
              bool inSection) {
        std::string columns = "DbID, " + id + ", ServiceDbID, ServiceID, " + title + ", Deleted";
        if (inSection)
            columns += ", SectionDbID, SectionID";
        if (table == "Documents" || table == "Sections")
            columns += ", AccessControl";
        const char* rows[][2] = {{"1, 5, 1, 'Beta', 0", "5, 10"},
                                 {"2, 5, 1, 'Alpha', 0", "5, 10"},
                                 {"3, 5, 1, 'Gamma', 1", "5, 10"},
                                 {"4, 5, 2, 'Delta', 0", "5, 13"}};
        for (auto& row : rows) {
            std::string values = std::string("5, ") + row[0];
            if (inSection)
                values += std::string(", ") + row[1];
            if (table == "Documents" || table == "Sections")
                values += ", 0";
            Insert(table, columns, {values});
        }
    }
};

struct LoaderCase {
    const char* name;
    Loader load;
    QZKeyCombo parent;
    Names names;
    SHORT type;
};

void PrintTo(const LoaderCase& c, std::ostream* os) {
    *os << c.name;
}

#define LOADER(fn) #fn, [](const QZKeyCombo& k, BOOL f) { return fn(k, f); }

std::vector<LoaderCase> LoaderCases() {
    const Names plain{"Alpha", "Beta"};
    return {
        {"LoadListAuthors",
         [](const QZKeyCombo&, BOOL f) { return LoadListAuthors(f); },
         kMain,
         {"Amy", "Zed"},
         OBJ_AUTHOR},
        {"LoadListServices",
         [](const QZKeyCombo&, BOOL f) { return LoadListServices(f); },
         kMain,
         {"Main", "Other"},
         OBJ_SERVICE},
        {LOADER(LoadListSections), kMain, {"Sec A", "Sec B"}, OBJ_SECTION},
        // Ordered by the title, marked static-not-generated, static-generated or dynamic.
        {LOADER(LoadListDocuments), kSecA, {"SDAlpha", "SCBeta", "DCCgi"}, OBJ_PAGE},
        {LOADER(LoadListDocumentsByService), kMain, {"Alpha", "Beta", "Cgi"}, OBJ_PAGE},
        {LOADER(LoadListTemplates), kMain, plain, OBJ_MACRO},
        {LOADER(LoadListImages), kSecA, plain, OBJ_IMAGE},
        {LOADER(LoadListImagesByService), kMain, plain, OBJ_IMAGE},
        {LOADER(LoadListForms), kMain, plain, OBJ_FORM},
        {LOADER(LoadListMessages), kMain, plain, OBJ_MESSAGE},
        {LOADER(LoadListQueries), kMain, {"TAlpha", "QBeta"}, OBJ_QUERY},
        {LOADER(LoadListQueriesByService), kMain, plain, OBJ_QUERY},
        {LOADER(LoadListStyles), kMain, plain, OBJ_STYLE},
        {LOADER(LoadListActiveXBySection), kSecA, {"AAlpha", "ABeta"}, OBJ_ACTIVEX},
        {LOADER(LoadListActiveXByService), kMain, plain, OBJ_ACTIVEX},
        {LOADER(LoadListJavaBySection), kSecA, {"JAlpha", "JBeta"}, OBJ_JAVA},
        {LOADER(LoadListJavaByService), kMain, plain, OBJ_JAVA},
        {LOADER(LoadListMediaBySection), kSecA, {"MAlpha", "MBeta"}, OBJ_MEDIA},
        {LOADER(LoadListMediaByService), kMain, plain, OBJ_MEDIA},
        {LOADER(LoadListScriptsBySection), kSecA, {"SAlpha", "SBeta"}, OBJ_SCRIPT},
        {LOADER(LoadListScriptsByService), kMain, plain, OBJ_SCRIPT},
        {LOADER(LoadListEventsByService), kMain, plain, OBJ_EVENT},
        {LOADER(LoadListAllAdvertisersByService), kMain, {"AAlpha", "ABeta"}, OBJ_ADVERTISER},
        {LOADER(LoadListAllAdvertisersByService1), kMain, plain, OBJ_ADVERTISER},
        {LOADER(LoadListAllAdsByService), kMain, plain, OBJ_AD},
        {LOADER(LoadListAllAdsByAdvertiser), kAdvertiser, plain, OBJ_AD},
        {LOADER(LoadListAllAdSpaceByService), kMain, {"SAlpha", "SBeta"}, OBJ_ADSPACE},
    };
}

class EveryLoaderTest : public ListLoaderTest, public ::testing::WithParamInterface<LoaderCase> {};

TEST_P(EveryLoaderTest, ListsTheLiveObjectsOfItsParentInTheQueryOrder) {
    const LoaderCase& c = GetParam();
    Listed listed = Take(c.load(c.parent, FALSE));
    EXPECT_EQ(listed.names, c.names);
    EXPECT_EQ(listed.types, std::vector<SHORT>(c.names.size(), c.type));
    for (const QZKeyCombo& key : listed.keys)
        EXPECT_EQ(key.m_DbID, kDbId);
}

INSTANTIATE_TEST_SUITE_P(EveryListLoader, EveryLoaderTest, ::testing::ValuesIn(LoaderCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListLoaderTest, ItemsCarryTheKeysOfTheirRows) {
    Listed listed = Take(LoadListImages(kSecA, FALSE));
    ASSERT_EQ(listed.keys.size(), 2u);
    EXPECT_EQ(listed.keys[0].m_KeyID, 2); // Alpha
    EXPECT_EQ(listed.keys[1].m_KeyID, 1); // Beta
}

TEST_F(ListLoaderTest, ShowDeletedListsOnlyTheDeleted) {
    EXPECT_EQ(Take(LoadListAuthors(TRUE)).names, Names{"Bob"});
    EXPECT_EQ(Take(LoadListServices(TRUE)).names, Names{"Gone"});
    EXPECT_EQ(Take(LoadListSections(kMain, TRUE)).names, Names{"Sec X"});
    EXPECT_EQ(Take(LoadListImages(kSecA, TRUE)).names, Names{"Gamma"});
}

TEST_F(ListLoaderTest, ParentWithNothingGivesAnEmptyListAndEveryCallANewOne) {
    QZNameAndKeyList* first = LoadListImages(kEmpty, FALSE);
    QZNameAndKeyList* second = LoadListImages(kEmpty, FALSE);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);
    EXPECT_TRUE(first->IsEmpty());
    DeleteNameAndKeyList(first);
    EXPECT_TRUE(second->IsEmpty());
    DeleteNameAndKeyList(second);
}

TEST_F(ListLoaderTest, PublishListMixesTheMarkedObjectsOfEveryKindOrderedByType) {
    Exec("UPDATE Services SET PublishFlag = 1");
    Exec("UPDATE Sections SET PublishFlag = 1 WHERE SectionID = 11");
    for (const char* table : {"Documents", "Templates", "Images", "Forms", "MQ_Ad"})
        Exec(std::string("UPDATE ") + table + " SET PublishFlag = 1");
    // Never to publish, deleted, or of the other service: left out.
    Exec("UPDATE Documents SET NeverPublishFlag = 1 WHERE DocID = 1");
    Listed listed = Take(LoadListPublishObjects(kMain, TRUE));
    EXPECT_EQ(listed.types, (std::vector<SHORT>{0, 1, 2, 2, 3, 3, 4, 4, 13, 13, 24, 24}));
    std::vector<std::string> expected{"Main",  "Sec A", "Alpha", "Cgi",  "Alpha", "Beta",
                                      "Alpha", "Beta",  "Alpha", "Beta", "Alpha", "Beta"};
    // Within one type the query gives no order.
    for (size_t i = 0; i + 1 < listed.names.size(); ++i)
        if (listed.types[i] == listed.types[i + 1] && listed.names[i] > listed.names[i + 1])
            std::swap(listed.names[i], listed.names[i + 1]);
    EXPECT_EQ(listed.names, expected);
}

TEST_F(ListLoaderTest, UnknownQueryPassesTheEngineErrorAndLeavesNoList) {
    CImagesListSet set(&Db());
    EXPECT_NE(EngineErrorText([&] { set.OpenList(kSecA, "MQ_NoSuchList", FALSE); }), "");
}

} // namespace
