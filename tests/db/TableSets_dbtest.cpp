// The recordset class of every object table, driven alike through a table of the classes: its
// bindings against the table's catalog, a new row with its defaults, a change saved and loaded
// back, copies with and without the own ID, and the key.

#include "db/CActiveXSet.h"
#include "db/CAdSet.h"
#include "db/CAdSpaceSet.h"
#include "db/CAdvertiserSet.h"
#include "db/CComponentsInstalledSet.h"
#include "db/CDocumentSet.h"
#include "db/CEventsSet.h"
#include "db/CFormsSet.h"
#include "db/CImagesSet.h"
#include "db/CJavaSet.h"
#include "db/CMediaSet.h"
#include "db/CMessagesSet.h"
#include "db/CPhotoImagesSet.h"
#include "db/CQuerySet.h"
#include "db/CScriptSet.h"
#include "db/CSectionsSet.h"
#include "db/CServicesSet.h"
#include "db/CStylesSet.h"
#include "db/CTemplatesSet.h"
#include "tests/db/BoundMembers.h"
#include "tests/db/SiteDatabaseFixture.h"

#include <functional>
#include <map>
#include <memory>

namespace {

using Values = std::map<std::string, DaoMemberValue>;

struct SetCase {
    const char* className;
    const char* table;
    SHORT objectType;
    const char* keyQuery;
    const char* ownId;
    int columns;
    // Texts a new row holds once saved; "%ld" stands for the new row's own ID.
    std::map<std::string, std::string> newRowTexts;
    std::function<std::unique_ptr<QZRecordset>(CDaoDatabase*)> make = nullptr;
    // Copies through the class's own assignment.
    std::function<void(QZRecordset&, QZRecordset&)> assign = nullptr;
};

void PrintTo(const SetCase& c, std::ostream* os) {
    *os << c.className;
}

template <class T> SetCase Case(SetCase c) {
    c.make = [](CDaoDatabase* db) { return std::make_unique<T>(db); };
    c.assign = [](QZRecordset& to, QZRecordset& from) {
        static_cast<T&>(to) = static_cast<T&>(from);
    };
    return c;
}

const char* const kPageBody = "\r\n//Page text, HTML code, and Marquill commands.";

std::vector<SetCase> Cases() {
    return {
        Case<CDocumentSet>({"CDocumentSet",
                            "Documents",
                            2,
                            "MQ_GetDocByDbID_DocID",
                            "DocID",
                            37,
                            {{"FileName", "NewPage%ld.html"},
                             {"ScriptBody", kPageBody},
                             {"Header", "\r\n//This is where your special header code will go."},
                             {"Title", "New Page"}}}),
        Case<CTemplatesSet>({"CTemplatesSet",
                             "Templates",
                             3,
                             "MQ_GetTemplateByDbID_TemplateID",
                             "TemplateID",
                             16,
                             {{"ScriptBody", "\r\n//This is where your html code will go."},
                              {"TemplateName", "New Macro"}}}),
        Case<CFormsSet>({"CFormsSet",
                         "Forms",
                         13,
                         "MQ_GetFormByDbID_FormID",
                         "FormID",
                         17,
                         {{"ScriptBody", kPageBody},
                          {"ActionBody", "\r\n//Marquill action commands."},
                          {"Title", "New Form"}}}),
        Case<CEventsSet>({"CEventsSet",
                          "MQ_Events",
                          22,
                          "MQ_GetEventByDbID_EventID",
                          "EventID",
                          31,
                          {{"Title", "New Event"}, {"ScriptBody", ""}}}),
        Case<CScriptSet>({"CScriptSet",
                          "MQ_Script",
                          20,
                          "MQ_GetScriptByDbID_ScriptID",
                          "ScriptID",
                          20,
                          {{"ScriptBody", "\r\n//This is where your script code will go."},
                           {"Title", "New Script"}}}),
        Case<CMessagesSet>({"CMessagesSet",
                            "Messages",
                            6,
                            "MQ_GetMessageByDbID_MessageID",
                            "MessageID",
                            22,
                            {{"Body", "\r\n//Email message text and Marquill commands."},
                             {"Title", "New Email"}}}),
        Case<CImagesSet>({"CImagesSet",
                          "Images",
                          4,
                          "MQ_GetImageByDbID_ImageID",
                          "ImageID",
                          28,
                          {{"FileName", "Image%ld.gif"}, {"Name", "New Image"}}}),
        Case<CPhotoImagesSet>({"CPhotoImagesSet",
                               "PhotoImages",
                               11,
                               "MQ_GetPhotoByDbID_PhotoID",
                               "PhotoID",
                               42,
                               {{"Name", "New Photo"}, {"FileName", "Photo"}}}),
        Case<CMediaSet>({"CMediaSet",
                         "MQ_Media",
                         19,
                         "MQ_GetMediaByDbID_MediaID",
                         "MediaID",
                         19,
                         {{"FileName", "Media Object%ld.wav"}, {"Title", "New Media"}}}),
        Case<CActiveXSet>({"CActiveXSet",
                           "MQ_ActiveX",
                           17,
                           "MQ_GetActiveXByDbID_ObjectID",
                           "ObjectID",
                           29,
                           {{"Title", "New ActiveX"}}}),
        Case<CJavaSet>({"CJavaSet",
                        "MQ_Java",
                        18,
                        "MQ_GetJavaByDbID_JavaID",
                        "JavaID",
                        26,
                        {{"Title", "New Java"}}}),
        Case<CServicesSet>(
            {"CServicesSet",
             "Services",
             0,
             "MQ_GetServiceByDbID_ServiceID",
             "ServiceID",
             34,
             {{"ClientsProdDb", ""}, {"ClientsDb", "Clients"}, {"Name", "New Service"}}}),
        Case<CSectionsSet>({"CSectionsSet",
                            "Sections",
                            1,
                            "MQ_GetSectionByDbID_SectionID",
                            "SectionID",
                            24,
                            {{"SectionName", "New Section"}}}),
        Case<CStylesSet>({"CStylesSet",
                          "Styles",
                          12,
                          "MQ_GetStyleByDbID_StyleID",
                          "StyleID",
                          21,
                          {{"BackColor", "FFFFFF"},
                           {"TextColor", "000000"},
                           {"LinkColor", "0000FF"},
                           {"UsedLinkColor", "770077"},
                           {"ActiveLinkColor", "FF0000"},
                           {"StyleName", "New Style"}}}),
        Case<CAdvertiserSet>({"CAdvertiserSet",
                              "MQ_Advertiser",
                              21,
                              "MQ_GetAdvertiserByDbID_AdvertiserID",
                              "AdvertiserID",
                              19,
                              {{"BusinessName", ""}}}),
        Case<CAdSet>({"CAdSet",
                      "MQ_Ad",
                      24,
                      "MQ_GetAdByDbID_AdID",
                      "AdID",
                      22,
                      {{"Title", "New Ad"}, {"AdURL", "Advertisement URL"}}}),
        Case<CAdSpaceSet>({"CAdSpaceSet",
                           "MQ_AdSpace",
                           23,
                           "MQ_GetAdSpaceByDbID_AdSpaceID",
                           "AdSpaceID",
                           45,
                           {{"Title", "New AdSpace"}}}),
        Case<CQuerySet>(
            {"CQuerySet",
             "Query",
             5,
             "MQ_GetQueryByDbID_QueryID",
             "QueryID",
             21,
             {{"ClientsProdDb", ""}, {"DatabaseName", "Clients"}, {"QueryName", "New Query"}}}),
    };
}

std::string Expand(std::string text, LONG ownId) {
    auto at = text.find("%ld");
    if (at != std::string::npos)
        text.replace(at, 3, std::to_string(ownId));
    return text;
}

class TableSetTest : public SiteDatabaseTest, public ::testing::WithParamInterface<SetCase> {
protected:
    const SetCase& C() { return GetParam(); }
    std::unique_ptr<QZRecordset> Make(CDaoDatabase* db = nullptr) {
        return C().make(db != nullptr ? db : &Db());
    }
    LONG OwnId(QZRecordset& set) { return std::get<LONG>(MemberValue(set, C().ownId)); }
    LONG DbIdOf(QZRecordset& set) { return std::get<LONG>(MemberValue(set, "DbID")); }

    // A new row with every column but its key set from the seed and saved; its own ID.
    LONG AddFilledRow(int seed, Values* saved) {
        auto set = Make();
        EXPECT_EQ(set->AddNewRecord(0), 1);
        FillMembers(*set, seed, {"DbID", C().ownId, "Deleted"});
        EXPECT_EQ(set->SaveRecord(0), 1);
        if (saved != nullptr)
            *saved = MemberValues(*set);
        return OwnId(*set);
    }

    // A set opened by key on the row, unclaimed.
    std::unique_ptr<QZRecordset> Load(LONG ownId, CDaoDatabase* db = nullptr, LONG dbId = kDbId) {
        auto set = Make(db);
        EXPECT_EQ(set->OpenByKey(QZKeyCombo(dbId, ownId), C().keyQuery, 0), QZRecordset::openFound);
        return set;
    }

    void ExpectValues(const Values& expected, QZRecordset& set, const std::string& except) {
        for (const auto& [column, value] : MemberValues(set)) {
            if (column == except)
                continue;
            EXPECT_TRUE(expected.at(column) == value)
                << C().className << "." << column << ": " << ValueText(value) << " instead of "
                << ValueText(expected.at(column));
        }
    }
};

TEST_P(TableSetTest, BindsEveryColumnOfItsTableByNameWithItsType) {
    auto set = Make();
    EXPECT_EQ(set->GetTableName(), C().table);
    EXPECT_EQ(set->GetObjectType(), C().objectType);
    EXPECT_EQ(set->m_nFields, C().columns);
    EXPECT_EQ(BindingDrift(*set, Db(), C().table), std::vector<std::string>());
}

TEST_P(TableSetTest, NewRowCarriesItsDbIdAndTheDefaultsOnceSaved) {
    auto set = Make();
    ASSERT_EQ(set->AddNewRecord(0), 1);
    EXPECT_TRUE(set->IsLockHeld());
    LONG id = OwnId(*set);
    EXPECT_GT(id, 0);
    EXPECT_EQ(DbIdOf(*set), kDbId);
    ASSERT_EQ(set->SaveRecord(0), 1);
    EXPECT_FALSE(set->IsLockHeld());

    auto loaded = Load(id);
    EXPECT_EQ(DbIdOf(*loaded), kDbId);
    for (const auto& [column, text] : C().newRowTexts)
        EXPECT_EQ(std::get<CString>(MemberValue(*loaded, column)).str(), Expand(text, id))
            << C().className << "." << column;
    EXPECT_EQ(std::get<BYTE>(MemberValue(*loaded, "Deleted")), 0);
}

TEST_P(TableSetTest, NewRowThatCannotBeWrittenIsShownAndReportedAsFailed) {
    CDaoDatabase readOnly;
    readOnly.Open(m_path.c_str(), FALSE, TRUE);
    auto set = Make(&readOnly);
    MessageBoxRecorder boxes;
    EXPECT_EQ(set->AddNewRecord(0), 0);
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_FALSE(set->IsLockHeld());
    EXPECT_EQ(Count(std::string("SELECT * FROM ") + C().table), 0);
}

TEST_P(TableSetTest, EveryChangedColumnIsSavedAndLoadedBack) {
    Values saved;
    LONG id = AddFilledRow(1, &saved);
    auto loaded = Load(id);
    ExpectValues(saved, *loaded, "");

    // Changed again through a claimed set.
    auto edit = Make();
    ASSERT_EQ(edit->OpenByKey(QZKeyCombo(kDbId, id), C().keyQuery, 1), QZRecordset::openFound);
    FillMembers(*edit, 2, {"DbID", C().ownId, "Deleted"});
    Values changed = MemberValues(*edit);
    ASSERT_EQ(edit->SaveRecord(0), 1);
    ExpectValues(changed, *Load(id), "");
}

TEST_P(TableSetTest, CopyTakesEveryColumnButTheOwnIdWhichStays) {
    Values source;
    LONG sourceId = AddFilledRow(3, &source);
    auto from = Load(sourceId);
    auto to = Make();
    ASSERT_EQ(to->AddNewRecord(0), 1);
    LONG targetId = OwnId(*to);
    C().assign(*to, *from);
    EXPECT_EQ(OwnId(*to), targetId);
    ExpectValues(source, *to, C().ownId);
    ASSERT_EQ(to->SaveRecord(0), 1);
    ExpectValues(source, *Load(targetId), C().ownId);
    ExpectValues(source, *Load(sourceId), ""); // the source row is untouched
}

TEST_P(TableSetTest, CopyWithTheOwnIdCarriesTheRowKeyIntoATransferDatabase) {
    Values source;
    LONG sourceId = AddFilledRow(4, &source);
    auto from = Load(sourceId);

    std::string transferPath = m_dir.file("Publish.mdb");
    CreateSiteDatabase(transferPath, 9, "Production", 0);
    CVantrelDb transfer(transferPath.c_str());
    ASSERT_EQ(transfer.OpenDatabase(0), 1);
    {
        auto to = Make(&transfer);
        to->m_bCopyOwnId = TRUE;
        ASSERT_EQ(to->AddNewRecord(0), 1);
        C().assign(*to, *from);
        EXPECT_EQ(OwnId(*to), sourceId);
        ASSERT_EQ(to->SaveRecord(0), 1);
    }
    ExpectValues(source, *Load(sourceId, &transfer), "");
    EXPECT_EQ(CountRows(transferPath, std::string("SELECT * FROM ") + C().table), 1);
    EXPECT_EQ(CountRows(transferPath, "SELECT * FROM Semaphor"), 0);
}

TEST_P(TableSetTest, CopyFromASetOfAnotherClassChangesNothing) {
    auto set = Make();
    FillMembers(*set, 5, {});
    Values before = MemberValues(*set);
    CComponentsInstalledSet other(&Db());
    set->CopyFields(&other);
    ExpectValues(before, *set, "");
}

TEST_P(TableSetTest, KeyIsTheDbIdAndOwnIdInOneScratchKeyOfTypePage) {
    LONG id = AddFilledRow(6, nullptr);
    auto set = Load(id);
    QZKeyCombo& key = set->GetKey();
    EXPECT_EQ(key.m_DbID, kDbId);
    EXPECT_EQ(key.m_KeyID, id);
    EXPECT_EQ(key.m_ObjectType, OBJ_PAGE);
    EXPECT_EQ(&set->GetKey(), &key);
}

TEST_P(TableSetTest, RowMarkedDeletedIsNotFoundByKey) {
    LONG id = AddFilledRow(7, nullptr);
    ExecuteOn(m_path, std::string("UPDATE ") + C().table + " SET Deleted = 1");
    auto set = Make();
    EXPECT_EQ(set->OpenByKey(QZKeyCombo(kDbId, id), C().keyQuery, 0), QZRecordset::openNotFound);
}

INSTANTIATE_TEST_SUITE_P(EveryObjectTable, TableSetTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.className); });

} // namespace
