// Every stored query of a site database, run the way the program runs it: opened by name as a
// query definition, its parameters set by position (0 DbID, 1 KeyID, 2 show-deleted flag), then
// a recordset opened on it or, for an action query, executed. The rows are those of the seeded
// site (SeededSite.h) with the fixture's DbID 5.

#include "db/QZStoredQueryTexts.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoWorkspace.h"
#include "platform/dao/CaughtDaoError.h"
#include "tests/db/SeededSite.h"
#include "tests/db/SiteDatabaseFixture.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;
using Values = std::vector<COleVariant>;

// One run of a query: statements that change the seeded rows first (kept until the case ends),
// the parameter values by position, and the rows it must give.
struct Call {
    std::vector<const char*> before;
    Values params;
    Rows rows;
};

struct QueryCase {
    const char* name;
    std::vector<Call> calls;
    // For an action query: the selection whose rows it must leave behind.
    const char* check = nullptr;
    // The expected rows give the leading columns only (a query of Table.*).
    bool leading = false;
};

COleVariant Long(LONG value) {
    return COleVariant(value, VT_I4);
}

// The fixture's own DbID, 5, as every seeded key has it.
Values Key(LONG keyId) {
    return {Long(5), Long(keyId)};
}

// Parent key 5:10 and the show-deleted flag.
Values Parent(BYTE showDeleted) {
    return {Long(5), Long(10), COleVariant(showDeleted)};
}

// Key queries read live rows only: 5:1 is live, 5:2 marked deleted.
QueryCase KeyCase(const char* name) {
    return {name, {{{}, Key(1), {{"5", "1"}}}, {{}, Key(2), {}}}, nullptr, true};
}

// A list that tests Deleted against the flag: 0 the live row, 1 only the deleted one.
QueryCase ListCase(const char* name, Row live, Row gone) {
    return {name, {{{}, Parent(0), {live}}, {{}, Parent(1), {gone}}}};
}

// A list without a Deleted test: both rows whatever the flag, sorted by title.
QueryCase AllListCase(const char* name, Row gone, Row live) {
    return {name, {{{}, Parent(0), {gone, live}}, {{}, Parent(1), {gone, live}}}};
}

// Pages found through the dependency rows: page 5:1 uses the object twice and is listed once.
QueryCase PickCase(const char* name) {
    return ListCase(name, {"5", "1", "Live"}, {"5", "2", "Gone"});
}

// A deletion query, run for the parent 5:10, marks every row under it deleted and changes
// nothing else.
QueryCase DeleteCase(const char* name, const char* check) {
    return {name, {{{}, Key(10), {{"1", "1", "Live"}, {"2", "1", "Gone"}}}}, check};
}

// A publish query, run for service 5:10, marks its rows, except the one never to publish.
QueryCase PublishCase(const char* name, const char* reset, const char* check) {
    return {name, {{{reset}, Key(10), {{"1", "1"}, {"2", "0"}}}}, check};
}

// Each object marked for publishing and the service itself, sorted by type.
Rows PublishObjects() {
    Rows rows = {{"5", "10", "0", "Site"}};
    for (const char* type : {"1", "2", "3", "4", "5", "6", "11", "12", "13", "17", "18", "19", "20",
                             "21", "22", "23", "24"})
        rows.push_back({"5", "1", type, "Live"});
    return rows;
}

const COleDateTime kSeedDate(1999, 3, 14, 10, 20, 0);

const std::vector<QueryCase>& Cases() {
    static const std::vector<QueryCase> cases = {
        {"MQ_GetDbID", {{{}, {}, {{"5", "1.30", ""}}}}},
        KeyCase("MQ_GetEventByDbID_EventID"),
        {"MQ_UpdateEventLastExecuted",
         {{{}, Key(1), {{"1", "<now>"}, {"2", "1999-03-14 10:20:00"}}}},
         "SELECT EventID, LastExecuted FROM MQ_Events ORDER BY EventID"},
        {"MQ_DeleteSemaphorLockByUserDbID_UserID",
         {{{}, {Long(5), Long(5), Long(99)}, {{"6"}}}},
         "SELECT UserID FROM Semaphor"},
        KeyCase("MQ_GetActiveXByDbID_ObjectID"),
        KeyCase("MQ_GetAuthorByDbID_AuthorID"),
        {"MQ_GetAuthorByName",
         {{{}, {COleVariant("live")}, {{"5", "1"}}}, {{}, {COleVariant("Gone")}, {}}},
         nullptr,
         true},
        {"MQ_GetCurrentUserByDbId_UserID",
         {{{}, Key(5), {{"5", "5", "1999-03-14 10:20:00"}}}, {{}, Key(6), {}}}},
        KeyCase("MQ_GetDocByDbID_DocID"),
        KeyCase("MQ_GetFormByDbID_FormID"),
        KeyCase("MQ_GetImageByDbID_ImageID"),
        KeyCase("MQ_GetJavaByDbID_JavaID"),
        AllListCase("MQ_GetListAllActiveXBySection", {"5", "2", "AGone"}, {"5", "1", "ALive"}),
        ListCase("MQ_GetListActiveXBySection", {"5", "1", "ALive"}, {"5", "2", "AGone"}),
        ListCase("MQ_GetListActiveXByService", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        {"MQ_GetListEventsByService",
         {{{}, Parent(0), {{"5", "1", "Live"}}},
          {{}, Parent(1), {{"5", "2", "Gone"}}},
          // Sorted by "E" and the title: a Null title first, then by the plain title.
          {{"INSERT INTO MQ_Events (DbID, EventID, Title, Deleted, ServiceDbID, ServiceID) "
            "VALUES (5, 3, 'Alpha', 0, 5, 10)",
            "INSERT INTO MQ_Events (DbID, EventID, Title, Deleted, ServiceDbID, ServiceID) "
            "VALUES (5, 4, NULL, 0, 5, 10)"},
           Parent(0),
           {{"5", "4", "<null>"}, {"5", "3", "Alpha"}, {"5", "1", "Live"}}}}},
        AllListCase("MQ_GetListAllEventsByService", {"5", "2", "Gone"}, {"5", "1", "Live"}),
        {"MQ_GetAllListAuthors",
         {{{}, {COleVariant(BYTE(0))}, {{"5", "2", "Gone"}, {"5", "1", "Live"}}},
          {{}, {COleVariant(BYTE(1))}, {{"5", "2", "Gone"}, {"5", "1", "Live"}}}}},
        {"MQ_GetListAuthors",
         {{{}, {COleVariant(BYTE(0))}, {{"5", "1", "Live"}}},
          {{}, {COleVariant(BYTE(1))}, {{"5", "2", "Gone"}}}}},
        AllListCase("MQ_GetListAllDocuments", {"5", "2", "SDGone"}, {"5", "1", "SDLive"}),
        {"MQ_GetListDocuments",
         {{{}, Parent(0), {{"5", "1", "SDLive"}}},
          {{}, Parent(1), {{"5", "2", "SDGone"}}},
          {{"UPDATE Documents SET GenerateFlag = 0"}, Parent(0), {{"5", "1", "SCLive"}}},
          {{"UPDATE Documents SET Dynamic = 1"}, Parent(0), {{"5", "1", "DCLive"}}}}},
        AllListCase("MQ_GetListAllDocumentsByService", {"5", "2", "Gone"}, {"5", "1", "Live"}),
        ListCase("MQ_GetListDocumentsByService", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        AllListCase("MQ_GetListAllForms", {"5", "2", "Gone", "1"}, {"5", "1", "Live", "0"}),
        ListCase("MQ_GetListForms", {"5", "1", "Live", "0"}, {"5", "2", "Gone", "1"}),
        AllListCase("MQ_GetListAllImages", {"5", "2", "Gone"}, {"5", "1", "Live"}),
        ListCase("MQ_GetListImages", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        AllListCase("MQ_GetListAllImagesByService", {"5", "2", "Gone"}, {"5", "1", "Live"}),
        ListCase("MQ_GetListImagesByService", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        AllListCase("MQ_GetListAllJavaBySection", {"5", "2", "JGone"}, {"5", "1", "JLive"}),
        ListCase("MQ_GetListJavaBySection", {"5", "1", "JLive"}, {"5", "2", "JGone"}),
        ListCase("MQ_GetListJavaByService", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        AllListCase("MQ_GetListAllMediaBySection", {"5", "2", "MGone"}, {"5", "1", "MLive"}),
        ListCase("MQ_GetListMediaByService", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        ListCase("MQ_GetListMediaBySection", {"5", "1", "MLive"}, {"5", "2", "MGone"}),
        AllListCase("MQ_GetListAllMessages", {"5", "2", "Gone"}, {"5", "1", "Live"}),
        ListCase("MQ_GetListMessages", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        AllListCase("MQ_GetListAllPhotos", {"5", "2", "Gone"}, {"5", "1", "Live"}),
        ListCase("MQ_GetListPhotos", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        AllListCase("MQ_GetListAllPhotosByService", {"5", "2", "Gone"}, {"5", "1", "Live"}),
        ListCase("MQ_GetListPhotosByService", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        AllListCase("MQ_GetListAllQueries", {"5", "2", "QGone"}, {"5", "1", "QLive"}),
        {"MQ_GetListQueries",
         {{{}, Parent(0), {{"5", "1", "QLive"}}},
          {{}, Parent(1), {{"5", "2", "QGone"}}},
          {{"UPDATE Query SET QueryType = 1"}, Parent(0), {{"5", "1", "TLive"}}}}},
        ListCase("MQ_GetListQueriesByService", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        AllListCase("MQ_GetListAllScriptsBySection", {"5", "2", "SGone"}, {"5", "1", "SLive"}),
        ListCase("MQ_GetListScriptsBySection", {"5", "1", "SLive"}, {"5", "2", "SGone"}),
        ListCase("MQ_GetListScriptsByService", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        AllListCase("MQ_GetListAllSections", {"5", "2", "Gone"}, {"5", "1", "Live"}),
        ListCase("MQ_GetListSections", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        {"MQ_GetListSemaphorsByUser",
         {{{}, {Long(5), Long(5), COleVariant(BYTE(0))}, {{"<null>"}, {"<null>"}}},
          {{}, {Long(5), Long(6), COleVariant(BYTE(1))}, {{"<null>"}}}}},
        {"MQ_GetListAllServices",
         {{{},
           {COleVariant(BYTE(0))},
           {{"5", "2", "Gone"}, {"5", "1", "Live"}, {"5", "10", "Site"}}},
          {{},
           {COleVariant(BYTE(1))},
           {{"5", "2", "Gone"}, {"5", "1", "Live"}, {"5", "10", "Site"}}}}},
        {"MQ_GetListServices",
         {{{}, {COleVariant(BYTE(0))}, {{"5", "1", "Live"}, {"5", "10", "Site"}}},
          {{}, {COleVariant(BYTE(1))}, {{"5", "2", "Gone"}}}}},
        AllListCase("MQ_GetListAllStyles", {"5", "2", "Gone"}, {"5", "1", "Live"}),
        ListCase("MQ_GetListStyles", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        AllListCase("MQ_GetListAllTemplates", {"5", "2", "Gone"}, {"5", "1", "Live"}),
        ListCase("MQ_GetListTemplates", {"5", "1", "Live"}, {"5", "2", "Gone"}),
        KeyCase("MQ_GetMediaByDbID_MediaID"),
        KeyCase("MQ_GetMessageByDbID_MessageID"),
        KeyCase("MQ_GetPhotoByDbID_PhotoID"),
        KeyCase("MQ_GetQueryByDbID_QueryID"),
        KeyCase("MQ_GetScriptByDbID_ScriptID"),
        KeyCase("MQ_GetSectionByDbID_SectionID"),
        {"MQ_GetSemaphor",
         {{{}, {Long(5), Long(3), Long(2)}, {{"5", "3", "2", "5", "6"}}},
          {{}, {Long(5), Long(3), Long(4)}, {}}},
         nullptr,
         true},
        KeyCase("MQ_GetServiceByDbID_ServiceID"),
        KeyCase("MQ_GetStyleByDbID_StyleID"),
        KeyCase("MQ_GetTemplateByDbID_TemplateID"),
        {"MQ_PickDocsByImage",
         {{{}, Parent(0), {{"5", "1", "Live"}}},
          {{}, Parent(1), {{"5", "2", "Gone"}}},
          {{"UPDATE Documents SET Dynamic = 1"}, Parent(0), {{"5", "1", "Live"}}},
          {{"UPDATE Documents SET NeverGenerateFlag = 1 WHERE DocID = 1"}, Parent(0), {}}}},
        PickCase("MQ_PickDocsByLinks"),
        {"MQ_PickDocsBySection",
         {{{}, Parent(0), {{"5", "1", "Live", "0"}}},
          {{}, Parent(1), {{"5", "2", "Gone", "0"}}},
          {{"UPDATE Documents SET Dynamic = 1"}, Parent(0), {}}}},
        {"MQ_PickDocsByService",
         {{{}, Parent(0), {{"5", "1", "Live", "0"}}},
          {{}, Parent(1), {{"5", "2", "Gone", "0"}}},
          {{"UPDATE Documents SET NeverGenerateFlag = 1 WHERE DocID = 1"}, Parent(0), {}}}},
        PickCase("MQ_PickDocsByTemplate"),
        {"MQ_PickDocsMarkedToGenerate",
         {{{}, Parent(0), {{"5", "1", "Live"}}},
          {{}, Parent(1), {{"5", "2", "Gone"}}},
          {{"UPDATE Documents SET Dynamic = 1"}, Parent(0), {{"5", "1", "Live"}}},
          {{"UPDATE Documents SET GenerateFlag = 0"}, Parent(0), {}}}},
        {"MQ_GetListPublishObjects",
         {{{}, Parent(0), PublishObjects()}, {{}, Parent(1), PublishObjects()}}},
        {"MQ_GetChangedEvents",
         {{{},
           {COleVariant(kSeedDate)},
           {{"5", "1", "Live", "1999-03-14 10:20:00", "0"},
            {"5", "2", "Gone", "1999-03-14 10:20:00", "1"}}},
          {{}, {COleVariant(COleDateTime(1999, 3, 14, 10, 20, 1))}, {}}}},
        {"MQ_GetComponentInfo", {{{}, {}, {{"Zerin", "Kit", "1", "kit.mdb"}}}}},
        PickCase("MQ_PickDocsByQuery"),
        PickCase("MQ_PickDocsByForm"),
        PickCase("MQ_PickDocsByActiveX"),
        PickCase("MQ_PickDocsByJava"),
        PickCase("MQ_PickDocsByMultimedia"),
        PickCase("MQ_PickDocsByScript"),
        {"MQ_PickDocsByStyle",
         {{{}, Parent(0), {{"5", "1", "Live", "0"}}},
          {{}, Parent(1), {{"5", "2", "Gone", "0"}}},
          {{"UPDATE Documents SET Dynamic = 1"}, Parent(0), {}}}},
        KeyCase("MQ_GetAdByDbID_AdID"),
        KeyCase("MQ_GetAdSpaceByDbID_AdSpaceID"),
        KeyCase("MQ_GetAdvertiserByDbID_AdvertiserID"),
        ListCase("MQ_GetListAllAdvertisersByService", {"ALive", "5", "1"}, {"AGone", "5", "2"}),
        ListCase("MQ_GetListAllAdvertisersByService1", {"Live", "5", "1"}, {"Gone", "5", "2"}),
        ListCase("MQ_GetListAllAdsByService", {"Live", "5", "1"}, {"Gone", "5", "2"}),
        ListCase("MQ_GetListAllAdsByAdvertiser", {"Live", "5", "1"}, {"Gone", "5", "2"}),
        ListCase("MQ_GetListAllAdSpaceByService", {"SLive", "5", "1"}, {"SGone", "5", "2"}),
        DeleteCase("MQ_DeleteImage_ByService",
                   "SELECT ImageID, Deleted, Name FROM Images ORDER BY ImageID"),
        DeleteCase("MQ_DeleteActiveX_ByService",
                   "SELECT ObjectID, Deleted, Title FROM MQ_ActiveX ORDER BY ObjectID"),
        DeleteCase("MQ_DeleteDocuments_ByService",
                   "SELECT DocID, Deleted, Title FROM Documents ORDER BY DocID"),
        DeleteCase("MQ_DeleteJava_ByService",
                   "SELECT JavaID, Deleted, Title FROM MQ_Java ORDER BY JavaID"),
        DeleteCase("MQ_DeleteScript_ByService",
                   "SELECT ScriptID, Deleted, Title FROM MQ_Script ORDER BY ScriptID"),
        DeleteCase("MQ_DeleteMedia_ByService",
                   "SELECT MediaID, Deleted, Title FROM MQ_Media ORDER BY MediaID"),
        DeleteCase("MQ_DeleteSection_ByService",
                   "SELECT SectionID, Deleted, SectionName FROM Sections ORDER BY SectionID"),
        DeleteCase("MQ_DeleteImage_BySection",
                   "SELECT ImageID, Deleted, Name FROM Images ORDER BY ImageID"),
        DeleteCase("MQ_DeleteActiveX_BySection",
                   "SELECT ObjectID, Deleted, Title FROM MQ_ActiveX ORDER BY ObjectID"),
        DeleteCase("MQ_DeleteDocuments_BySection",
                   "SELECT DocID, Deleted, Title FROM Documents ORDER BY DocID"),
        DeleteCase("MQ_DeleteJava_BySection",
                   "SELECT JavaID, Deleted, Title FROM MQ_Java ORDER BY JavaID"),
        DeleteCase("MQ_DeleteScript_BySection",
                   "SELECT ScriptID, Deleted, Title FROM MQ_Script ORDER BY ScriptID"),
        DeleteCase("MQ_DeleteMedia_BySection",
                   "SELECT MediaID, Deleted, Title FROM MQ_Media ORDER BY MediaID"),
        PublishCase("MQ_PublishActiveX_ByService", "UPDATE MQ_ActiveX SET PublishFlag = 0",
                    "SELECT ObjectID, PublishFlag FROM MQ_ActiveX ORDER BY ObjectID"),
        PublishCase("MQ_PublishAd_ByService", "UPDATE MQ_Ad SET PublishFlag = 0",
                    "SELECT AdID, PublishFlag FROM MQ_Ad ORDER BY AdID"),
        PublishCase("MQ_PublishAdSpace_ByService", "UPDATE MQ_AdSpace SET PublishFlag = 0",
                    "SELECT AdSpaceID, PublishFlag FROM MQ_AdSpace ORDER BY AdSpaceID"),
        PublishCase("MQ_PublishAdvertiser_ByService", "UPDATE MQ_Advertiser SET PublishFlag = 0",
                    "SELECT AdvertiserID, PublishFlag FROM MQ_Advertiser ORDER BY AdvertiserID"),
        PublishCase("MQ_PublishEvents_ByService", "UPDATE MQ_Events SET PublishFlag = 0",
                    "SELECT EventID, PublishFlag FROM MQ_Events ORDER BY EventID"),
        PublishCase("MQ_PublishJava_ByService", "UPDATE MQ_Java SET PublishFlag = 0",
                    "SELECT JavaID, PublishFlag FROM MQ_Java ORDER BY JavaID"),
        PublishCase("MQ_PublishMedia_ByService", "UPDATE MQ_Media SET PublishFlag = 0",
                    "SELECT MediaID, PublishFlag FROM MQ_Media ORDER BY MediaID"),
        PublishCase("MQ_PublishScript_ByService", "UPDATE MQ_Script SET PublishFlag = 0",
                    "SELECT ScriptID, PublishFlag FROM MQ_Script ORDER BY ScriptID"),
        PublishCase("MQ_PublishPage_ByService", "UPDATE Documents SET PublishFlag = 0",
                    "SELECT DocID, PublishFlag FROM Documents ORDER BY DocID"),
        PublishCase("MQ_PublishForm_ByService", "UPDATE Forms SET PublishFlag = 0",
                    "SELECT FormID, PublishFlag FROM Forms ORDER BY FormID"),
        PublishCase("MQ_PublishImage_ByService", "UPDATE Images SET PublishFlag = 0",
                    "SELECT ImageID, PublishFlag FROM Images ORDER BY ImageID"),
        PublishCase("MQ_PublishMessage_ByService", "UPDATE Messages SET PublishFlag = 0",
                    "SELECT MessageID, PublishFlag FROM Messages ORDER BY MessageID"),
        PublishCase("MQ_PublishPhoto_ByService", "UPDATE PhotoImages SET PublishFlag = 0",
                    "SELECT PhotoID, PublishFlag FROM PhotoImages ORDER BY PhotoID"),
        PublishCase("MQ_PublishQuery_ByService", "UPDATE Query SET PublishFlag = 0",
                    "SELECT QueryID, PublishFlag FROM Query ORDER BY QueryID"),
        PublishCase("MQ_PublishSection_ByService", "UPDATE Sections SET PublishFlag = 0",
                    "SELECT SectionID, PublishFlag FROM Sections ORDER BY SectionID"),
        PublishCase("MQ_PublishStyle_ByService", "UPDATE Styles SET PublishFlag = 0",
                    "SELECT StyleID, PublishFlag FROM Styles ORDER BY StyleID"),
        PublishCase("MQ_PublishTemplate_ByService", "UPDATE Templates SET PublishFlag = 0",
                    "SELECT TemplateID, PublishFlag FROM Templates ORDER BY TemplateID"),
    };
    return cases;
}

// A value as the expectations write it: Null as "<null>", a date as "1999-03-14 10:20:00" or
// "<now>" when it lies within a minute of the clock.
std::string Text(const COleVariant& value) {
    if (value.vt == VT_NULL || value.vt == VT_EMPTY)
        return "<null>";
    if (value.vt == VT_DATE) {
        double age = std::abs(double(COleDateTime::GetCurrentTime()) - value.date) * 86400;
        if (age < 60)
            return "<now>";
        return COleDateTime(value.date).Format("%Y-%m-%d %H:%M:%S").str();
    }
    COleVariant text;
    text.ChangeType(VT_BSTR, &value);
    return text.bstrVal.str();
}

Rows ReadRows(CDaoRecordset& set, size_t width) {
    Rows rows;
    for (; !set.IsEOF(); set.MoveNext()) {
        Row row;
        short count = set.GetFieldCount();
        for (short i = 0; i < count && (width == 0 || row.size() < width); ++i)
            row.push_back(Text(set.GetFieldValue(i)));
        rows.push_back(row);
    }
    return rows;
}

std::string ErrorText(CDaoException* e) {
    return CaughtDaoError(e).Message().str();
}

class StoredQueriesThroughQueryDefs : public SiteDatabaseTest {
protected:
    void SetUp() override {
        SiteDatabaseTest::SetUp();
        for (const std::string& sql : SeededSiteStatements(kDbId))
            Db().Execute(sql.c_str());
    }

    Rows Select(const char* sql) {
        CDaoRecordset set(&Db());
        set.Open(dbOpenSnapshot, sql);
        return ReadRows(set, 0);
    }

    // Runs one call of the case and gives the rows to compare.
    Rows Run(const QueryCase& c, const Call& call) {
        for (const char* sql : call.before)
            Db().Execute(sql);
        CDaoQueryDef query(&Db());
        query.Open(c.name);
        EXPECT_EQ(query.GetParameterCount(), static_cast<short>(call.params.size())) << c.name;
        for (size_t i = 0; i < call.params.size(); ++i)
            query.SetParamValue(static_cast<int>(i), call.params[i]);
        if (c.check) {
            query.Execute(dbFailOnError);
            return Select(c.check);
        }
        CDaoRecordset set(&Db());
        set.Open(&query, dbOpenDynaset);
        size_t width = c.leading && !call.rows.empty() ? call.rows[0].size() : 0;
        return ReadRows(set, width);
    }
};

TEST_F(StoredQueriesThroughQueryDefs, EveryQueryTakesItsParametersAndGivesItsRows) {
    auto all = QZStoredQueryTexts::All();
    ASSERT_EQ(Cases().size(), all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        const QueryCase& c = Cases()[i];
        ASSERT_STREQ(c.name, all[i].name) << "case " << i + 1 << " is out of order";
        // Whatever a case changes goes when it ends.
        Db().m_pWorkspace->BeginTrans();
        for (size_t n = 0; n < c.calls.size(); ++n) {
            try {
                EXPECT_EQ(Run(c, c.calls[n]), c.calls[n].rows) << c.name << ", call " << n + 1;
            } catch (CDaoException* e) {
                ADD_FAILURE() << c.name << ", call " << n + 1 << ": " << ErrorText(e);
            }
        }
        Db().m_pWorkspace->Rollback();
    }
}

TEST_F(StoredQueriesThroughQueryDefs, KeyQueryOfOneTableStaysUpdatable) {
    CDaoQueryDef query(&Db());
    query.Open("MQ_GetDocByDbID_DocID");
    query.SetParamValue(0, Long(kDbId));
    query.SetParamValue(1, Long(1));
    CDaoRecordset set(&Db());
    set.Open(&query, dbOpenDynaset);
    ASSERT_TRUE(set.CanUpdate());
    set.Edit();
    set.SetFieldValue("Title", COleVariant("Edited"));
    set.Update();
    set.Close();
    EXPECT_EQ(Count("SELECT DocID FROM Documents WHERE Title = 'Edited'"), 1);
    EXPECT_EQ(Count("SELECT DocID FROM Documents WHERE Title = 'Live'"), 0);
}

} // namespace
