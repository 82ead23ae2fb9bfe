#include "content/QZServiceLookups.h"

#include "content/QZAuthor.h"
#include "platform/core/Paths.h"
#include "tests/content/ContentFixture.h"

#include <cstdlib>

namespace {

class QZServiceLookupsTest : public ContentTest {
protected:
    void SetUp() override {
        ContentTest::SetUp();
        AddService(10, "site", "C:\\web");
        AddService(11, "", "C:\\web");
        AddService(12, "site", "C:\\web\\");
        AddService(13, "site", "~/web");
        AddSection(20, "news");
        AddSection(21, "");
    }
    void AddService(LONG id, const char* directory, const char* developPath) {
        AddRow(ContentKindOf(OBJ_SERVICE), id, "Site " + std::to_string(id),
               "Directory, DevelopPath, ProductionPath, ClientsDb, ClientsProdDb",
               std::string("'") + directory + "', '" + developPath + "', 'P" + std::to_string(id) +
                   "', 'C" + std::to_string(id) + "', 'CP" + std::to_string(id) + "'");
    }
    void AddSection(LONG id, const char* directory) {
        AddRow(ContentKindOf(OBJ_SECTION), id, "Section", "Directory",
               std::string("'") + directory + "'");
    }
    static QZKeyCombo Service(LONG id) { return QZKeyCombo(kDbId, id, OBJ_SERVICE); }
    static QZKeyCombo Section(LONG id) { return QZKeyCombo(kDbId, id, OBJ_SECTION); }
};

TEST_F(QZServiceLookupsTest, ServiceAndSectionDirectoriesJoinWithOneSlash) {
    EXPECT_EQ(GetServiceSectionDirectory(Service(10), Section(20)).str(), "site/news");
    EXPECT_EQ(GetServiceSectionDirectory(Service(11), Section(20)).str(), "news");
    EXPECT_EQ(GetServiceSectionDirectory(Service(10), Section(21)).str(), "site");
    EXPECT_EQ(GetServiceSectionDirectory(Service(99), Section(99)).str(), "");
}

TEST_F(QZServiceLookupsTest, SectionDevelopPathIsOnePlaceWhateverTheRootsSpelling) {
    const char* previous = std::getenv("MARQUILL_ROOT");
    std::string saved = previous != nullptr ? previous : "";
    setenv("MARQUILL_ROOT", "/srv/mq", 1);
    EXPECT_EQ(GetSectionDevelopPath(Service(10), Section(20)).str(), "C:\\web/site/news");
    EXPECT_EQ(GetSectionDevelopPath(Service(12), Section(20)).str(), "C:\\web\\site/news");
    for (LONG service : {10, 12, 13})
        EXPECT_STREQ(MapWindowsPath(GetSectionDevelopPath(Service(service), Section(20))),
                     "/srv/mq/web/site/news")
            << service;
    EXPECT_EQ(GetSectionDevelopPath(Service(11), Section(20)).str(), "C:\\web/news");
    EXPECT_EQ(GetSectionDevelopPath(Service(10), Section(21)).str(), "C:\\web/site");
    previous != nullptr ? setenv("MARQUILL_ROOT", saved.c_str(), 1) : unsetenv("MARQUILL_ROOT");
}

TEST_F(QZServiceLookupsTest, ServiceColumnsComeBackAsValuesThatLaterCallsLeaveAlone) {
    CString first = GetServiceDevelopPath(Service(10));
    CString second = GetServiceDevelopPath(Service(12));
    EXPECT_EQ(first.str(), "C:\\web");
    EXPECT_EQ(second.str(), "C:\\web\\");
    CString directory = GetServiceSectionDirectory(Service(10), Section(20));
    CString path = GetSectionDevelopPath(Service(10), Section(20));
    EXPECT_EQ(directory.str(), "site/news");
    EXPECT_EQ(path.str(), "C:\\web/site/news");
    EXPECT_EQ(GetServiceDirectory(Service(10), Section(21)).str(), "site");
    EXPECT_EQ(GetServiceProductionPath(Service(11)).str(), "P11");
    EXPECT_EQ(GetServiceClientsDb(Service(11)).str(), "C11");
    EXPECT_EQ(GetServiceClientsProdDb(Service(11)).str(), "CP11");
    EXPECT_EQ(GetServiceClientsDb(Service(99)).str(), "");
}

TEST_F(QZServiceLookupsTest, AuthorsAreFoundByKeyAndByANameHoldingAnApostrophe) {
    Insert("Authors", "DbID, AuthorID, AuthorName, Active, Deleted",
           "5, 100, 'Dan O''Brien', 1, 0");
    EXPECT_EQ(GetAuthorName(QZKeyCombo(kDbId, 100)).str(), "Dan O'Brien");
    EXPECT_EQ(GetAuthorName(QZKeyCombo(kDbId, 99)).str(), "");

    QZAuthor byKey(QZKeyCombo(kDbId, 100), TRUE);
    EXPECT_TRUE(byKey.IsLoaded());
    EXPECT_EQ(byKey.GetName().str(), "Dan O'Brien");
    EXPECT_EQ(byKey.GetKey().FormatFull(), "5:100");
    EXPECT_EQ(byKey.GetObjectType(), OBJ_AUTHOR);
    EXPECT_EQ(byKey.Save(), 0);
    EXPECT_FALSE(byKey.GetPublishFlag());
    EXPECT_FALSE(byKey.GetNeverPublishFlag());
    EXPECT_FALSE(byKey.IsDeleted());

    QZAuthor byName("Dan O'Brien", FALSE);
    EXPECT_TRUE(byName.IsLoaded());
    EXPECT_EQ(byName.GetKey().FormatFull(), "5:100");
    EXPECT_FALSE(QZAuthor("Dan O", FALSE).IsLoaded());
    EXPECT_FALSE(QZAuthor(QZKeyCombo(kDbId, 99), TRUE).IsLoaded());
}

} // namespace
