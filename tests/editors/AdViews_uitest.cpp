// The advertising forms in their editors on the fixture site: the ad space's rows, total and
// save; the ad's dates and lists; the advertiser's fields. Each field loaded, changed and
// saved, a save that changes nothing marking nothing, and texts and numbers over their limits
// refused with the exchange's message and the row left as it was.

#include "db/QZRecordsetCaches.h"
#include "editors/QZAdSpaceView.h"
#include "editors/QZAdView.h"
#include "editors/QZAdvertiserView.h"
#include "editors/QZDocumentCommands.h"
#include "res/AdEventViewIds.h"
#include "tests/editors/AttributeFormFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/spinbutt.h>

namespace {

using Boxes = std::vector<std::string>;

} // namespace

class AdViewsTest : public AttributeFormTest {
protected:
    void SetUp() override {
        AttributeFormTest::SetUp();
        // Three ads and two advertisers of the site.
        for (const auto& [id, title] : {std::pair{1, "Alpha"}, {2, "Bravo"}, {3, "Charlie"}})
            AddKindRow(KindOf(OBJ_AD), id, title, "ServiceDbID, ServiceID", "5, 10");
        AddKindRow(KindOf(OBJ_ADVERTISER), 1, "Acme", "ServiceDbID, ServiceID", "5, 10");
        AddKindRow(KindOf(OBJ_ADVERTISER), 2, "Bolt", "ServiceDbID, ServiceID", "5, 10");
    }
    QZAdSpaceView* OpenSpace(LONG id) {
        return OpenForm<QZAdSpaceView>(OBJ_ADSPACE, id, "QZAdSpaceView");
    }
    LONG SpaceColumn(const char* column) { return NumberOf(KindOf(OBJ_ADSPACE), 9, column); }
    std::string Total() const { return TextOf(IDC_ADSPACE_TOTAL); }
    void SendSave() { m_form->SendMessage(WM_COMMAND, ID_FILE_SAVE, 0); }
};

TEST_F(AdViewsTest, AdSpaceRowsOpenOnlyWithAnAdAndTheTotalAddsThem) {
    AddKindRow(KindOf(OBJ_ADSPACE), 9, "Banner",
               "ServiceDbID, ServiceID, DbID1, AdID1, AdPercent1, DbID2, AdID2, AdPercent2",
               "5, 10, 5, 1, 60, 5, 2, 30");
    ASSERT_NE(OpenSpace(9), nullptr);
    EXPECT_EQ(Total(), "90");
    EXPECT_EQ(Selected(IDC_ADSPACE_AD[0]).rfind("Alpha", 0), 0u);
    EXPECT_EQ(TextOf(IDC_ADSPACE_PERCENT[1]), "30");
    // Rows 1 and 2 have ads: their percents are open, and so is row 3's list, no further.
    for (int r : {0, 1}) {
        EXPECT_TRUE(Enabled(IDC_ADSPACE_PERCENT[r])) << r;
        EXPECT_TRUE(Enabled(IDC_ADSPACE_SPIN[r])) << r;
    }
    EXPECT_TRUE(Enabled(IDC_ADSPACE_AD[2]));
    EXPECT_FALSE(Enabled(IDC_ADSPACE_PERCENT[2]));
    EXPECT_FALSE(Enabled(IDC_ADSPACE_AD[3]));
    EXPECT_FALSE(StoreMarks());

    // "None" zeroes and greys its row and lowers the total at once.
    Pick(IDC_ADSPACE_AD[1], "None");
    EXPECT_EQ(TextOf(IDC_ADSPACE_PERCENT[1]), "0");
    EXPECT_FALSE(Enabled(IDC_ADSPACE_PERCENT[1]));
    EXPECT_FALSE(Enabled(IDC_ADSPACE_SPIN[1]));
    EXPECT_EQ(Total(), "60");
    EXPECT_EQ(m_boxes.texts(), Boxes{});
}

TEST_F(AdViewsTest, TheTotalFollowsTypingWithoutAnyMessage) {
    AddKindRow(KindOf(OBJ_ADSPACE), 9, "Banner",
               "ServiceDbID, ServiceID, DbID1, AdID1, AdPercent1, DbID2, AdID2",
               "5, 10, 5, 1, 20, 5, 2");
    ASSERT_NE(OpenSpace(9), nullptr);
    const struct {
        const char* typed;
        const char* total;
    } cases[] = {{"1", "21"}, {"15", "35"}, {"150", "170"}, {"", "20"}, {"-", "20"}};
    for (const auto& c : cases) {
        Type(IDC_ADSPACE_PERCENT[1], c.typed);
        EXPECT_EQ(Total(), c.total) << '"' << c.typed << '"';
    }
    // The arrows change the percent as typing does.
    auto* arrows = Wx<wxSpinButton>(IDC_ADSPACE_SPIN[1]);
    ASSERT_NE(arrows, nullptr);
    arrows->SetValue(55);
    wxSpinEvent step(wxEVT_SPIN, arrows->GetId());
    step.SetEventObject(arrows);
    step.SetPosition(55);
    arrows->GetEventHandler()->ProcessEvent(step);
    EXPECT_EQ(TextOf(IDC_ADSPACE_PERCENT[1]), "55");
    EXPECT_EQ(Total(), "75");
    EXPECT_EQ(m_boxes.texts(), Boxes{});
}

TEST_F(AdViewsTest, SavingMovesTheAdsUpOverTheEmptyRows) {
    AddKindRow(KindOf(OBJ_ADSPACE), 9, "Banner",
               "ServiceDbID, ServiceID, DbID1, AdID1, AdPercent1, DbID3, AdID3, AdPercent3",
               "5, 10, 5, 1, 60, 5, 3, 40");
    ASSERT_NE(OpenSpace(9), nullptr);
    EXPECT_EQ(Total(), "100");
    ActiveDocument()->SaveObject();
    EXPECT_EQ(SpaceColumn("AdID1"), 1);
    EXPECT_EQ(SpaceColumn("AdPercent1"), 60);
    EXPECT_EQ(SpaceColumn("AdID2"), 3);
    EXPECT_EQ(SpaceColumn("AdPercent2"), 40);
    EXPECT_EQ(SpaceColumn("AdID3"), 0);
    EXPECT_EQ(SpaceColumn("AdPercent3"), 0);
    // The form shows the rows as saved.
    EXPECT_EQ(Selected(IDC_ADSPACE_AD[1]).rfind("Charlie", 0), 0u);
    EXPECT_EQ(TextOf(IDC_ADSPACE_PERCENT[1]), "40");
    EXPECT_EQ(Selected(IDC_ADSPACE_AD[2]), "None");
    EXPECT_FALSE(Enabled(IDC_ADSPACE_PERCENT[2]));
}

TEST_F(AdViewsTest, SaveWarnsWhenThePercentsMissAHundredAndSavesAllTheSame) {
    AddKindRow(KindOf(OBJ_ADSPACE), 9, "Banner", "ServiceDbID, ServiceID, DbID1, AdID1, AdPercent1",
               "5, 10, 5, 1, 100");
    ASSERT_NE(OpenSpace(9), nullptr);
    Type(IDC_ADSPACE_PERCENT[0], "50");
    Pick(IDC_ADSPACE_AD[1], "Bravo");
    Type(IDC_ADSPACE_PERCENT[1], "40");
    EXPECT_EQ(Total(), "90");
    SendSave();
    EXPECT_EQ(m_boxes.texts(), Boxes{"The percents must total 100"});
    EXPECT_EQ(SpaceColumn("AdPercent1"), 50);
    EXPECT_EQ(SpaceColumn("AdID2"), 2);
    EXPECT_EQ(SpaceColumn("AdPercent2"), 40);
    EXPECT_FALSE(ActiveDocument()->IsModified());
}

TEST_F(AdViewsTest, APercentOverAHundredIsRefusedAndNothingIsStored) {
    AddKindRow(KindOf(OBJ_ADSPACE), 9, "Banner", "ServiceDbID, ServiceID, DbID1, AdID1, AdPercent1",
               "5, 10, 5, 1, 100");
    ASSERT_NE(OpenSpace(9), nullptr);
    Type(IDC_FORM_TITLE, "Renamed");
    Type(IDC_ADSPACE_PERCENT[0], "101");
    EXPECT_FALSE(m_form->SaveToObject());
    EXPECT_EQ(m_boxes.texts(), Boxes{"Please enter an integer between 0 and 100."});
    ActiveDocument()->SetModifiedFlag(FALSE);
    EXPECT_EQ(NameOf(KindOf(OBJ_ADSPACE), 9), "Banner");
    EXPECT_EQ(SpaceColumn("AdPercent1"), 100);
}

TEST_F(AdViewsTest, AnAdInTheLastRowOpensNothingFurther) {
    std::string columns = "ServiceDbID, ServiceID, DbID1, AdID1";
    std::string values = "5, 10, 5, 1";
    for (int n = 2; n <= 9; ++n) {
        columns += ", DbID" + std::to_string(n) + ", AdID" + std::to_string(n);
        values += ", 5, " + std::to_string(1 + n % 3);
    }
    AddKindRow(KindOf(OBJ_ADSPACE), 9, "Banner", columns, values);
    ASSERT_NE(OpenSpace(9), nullptr);
    EXPECT_TRUE(Enabled(IDC_ADSPACE_AD[9]));
    EXPECT_FALSE(Enabled(IDC_ADSPACE_PERCENT[9]));
    Pick(IDC_ADSPACE_AD[9], "Alpha");
    EXPECT_TRUE(Enabled(IDC_ADSPACE_PERCENT[9]));
    EXPECT_TRUE(Enabled(IDC_ADSPACE_SPIN[9]));
    ActiveDocument()->SaveObject();
    EXPECT_EQ(SpaceColumn("AdID10"), 1);
}

TEST_F(AdViewsTest, ANewAdRunsFromTodayForAYearAndSavesThoseDates) {
    AddKindRow(KindOf(OBJ_AD), 7, "Spring", "ServiceDbID, ServiceID", "5, 10");
    ASSERT_NE(OpenForm<QZAdView>(OBJ_AD, 7, "QZAdView"), nullptr);
    EXPECT_EQ(TextOf(IDC_AD_START), "3/5/2024");
    EXPECT_EQ(TextOf(IDC_AD_END), "3/5/2025");
    ActiveDocument()->SaveObject();
    CloseAll();
    ClearRecordsetCaches();
    ASSERT_NE(OpenForm<QZAdView>(OBJ_AD, 7, "QZAdView"), nullptr);
    EXPECT_EQ(TextOf(IDC_AD_START), "3/5/2024");
    EXPECT_EQ(TextOf(IDC_AD_END), "3/5/2025");
    EXPECT_FALSE(StoreMarks());
}

TEST_F(AdViewsTest, AnAdWithoutAnAdvertiserChoosesNoneAndKeepsNoneUntilOneIsPicked) {
    AddKindRow(KindOf(OBJ_AD), 7, "Spring", "ServiceDbID, ServiceID, StartDate, EndDate",
               "5, 10, '2024-01-01 00:00:00', '2024-12-31 00:00:00'");
    ASSERT_NE(OpenForm<QZAdView>(OBJ_AD, 7, "QZAdView"), nullptr);
    EXPECT_TRUE(Enabled(IDC_AD_ADVERTISER));
    EXPECT_EQ(Selection(IDC_AD_ADVERTISER), -1);
    EXPECT_EQ(Selected(IDC_AD_IMAGE), "None");
    EXPECT_FALSE(StoreMarks());
    ActiveDocument()->SaveObject();
    EXPECT_EQ(NumberOf(KindOf(OBJ_AD), 7, "AdvertiserID"), 0);

    Pick(IDC_AD_ADVERTISER, "Bolt");
    EXPECT_TRUE(StoreMarks());
    ActiveDocument()->SaveObject();
    EXPECT_EQ(NumberOf(KindOf(OBJ_AD), 7, "AdvertiserID"), 2);
    EXPECT_EQ(NumberOf(KindOf(OBJ_AD), 7, "AdvertiserDbID"), 5);
}

TEST_F(AdViewsTest, AdFieldsLoadChangeAndSaveAndTheirLimitsAreKept) {
    AddKindRow(KindOf(OBJ_AD), 7, "Spring",
               "ServiceDbID, ServiceID, AdURL, AdvertiserDbID, AdvertiserID, StartDate, EndDate",
               "5, 10, 'http://a.example', 5, 1, '2024-01-01 00:00:00', '2024-12-31 00:00:00'");
    ASSERT_NE(OpenForm<QZAdView>(OBJ_AD, 7, "QZAdView"), nullptr);
    EXPECT_EQ(TextOf(IDC_AD_URL), "http://a.example");
    EXPECT_EQ(Selected(IDC_AD_ADVERTISER).rfind("Acme", 0), 0u);
    EXPECT_EQ(TextOf(IDC_AD_START), "1/1/2024");
    EXPECT_FALSE(StoreMarks());

    Type(IDC_AD_URL, std::string(256, 'u'));
    EXPECT_FALSE(m_form->SaveToObject());
    EXPECT_EQ(m_boxes.texts(), Boxes{"Please enter no more than 255 characters."});
    Type(IDC_AD_URL, std::string(255, 'u'));
    Type(IDC_AD_END, "no date");
    EXPECT_FALSE(m_form->SaveToObject());
    EXPECT_EQ(m_boxes.texts().back(), "Please enter a date and/or time.");
    Type(IDC_AD_END, "6/30/2025");
    Pick(IDC_AD_IMAGE, "None");
    EXPECT_TRUE(StoreMarks());
    ActiveDocument()->SaveObject();
    EXPECT_EQ(Column(KindOf(OBJ_AD), 7, "AdURL"), std::string(255, 'u'));
    ClearRecordsetCaches();
    CloseAll();
    ASSERT_NE(OpenForm<QZAdView>(OBJ_AD, 7, "QZAdView"), nullptr);
    EXPECT_EQ(TextOf(IDC_AD_END), "6/30/2025");
}

TEST_F(AdViewsTest, AdvertiserFieldsLoadChangeAndSaveEachWithinItsColumn) {
    AddKindRow(KindOf(OBJ_ADVERTISER), 9, "Zeta",
               "ServiceDbID, ServiceID, ContactFirstName, ContactLastName, Email, Phone",
               "5, 10, 'Ann', 'Lee', 'ann@zeta.example', '555-0100'");
    const struct {
        UINT id;
        const char* column;
        const char* stored;
        int limit;
    } fields[] = {
        {IDC_ADVERTISER_FIRST, "ContactFirstName", "Ann", 20},
        {IDC_ADVERTISER_LAST, "ContactLastName", "Lee", 30},
        {IDC_ADVERTISER_EMAIL, "Email", "ann@zeta.example", 75},
        {IDC_ADVERTISER_PHONE, "Phone", "555-0100", 15},
    };
    const EditorKind& kind = KindOf(OBJ_ADVERTISER);
    for (const auto& field : fields) {
        SCOPED_TRACE(field.column);
        ASSERT_NE(OpenForm<QZAdvertiserView>(OBJ_ADVERTISER, 9, "QZAdvertiserView"), nullptr);
        EXPECT_EQ(TextOf(field.id), Column(kind, 9, field.column));
        EXPECT_FALSE(StoreMarks());
        m_boxes.Clear();
        Type(field.id, std::string(field.limit + 1, 'x'));
        EXPECT_FALSE(m_form->SaveToObject());
        EXPECT_EQ(m_boxes.texts(), Boxes{"Please enter no more than " +
                                         std::to_string(field.limit) + " characters."});
        Type(field.id, std::string(field.limit, 'x'));
        EXPECT_TRUE(StoreMarks());
        ActiveDocument()->SaveObject();
        EXPECT_EQ(Column(kind, 9, field.column), std::string(field.limit, 'x'));
        CloseAll();
        ClearRecordsetCaches();
    }
}

TEST_F(AdViewsTest, ANewAdAskedForUnderAnAdvertiserShowsAndKeepsThatAdvertiser) {
    AddKindRow(KindOf(OBJ_AD), 7, "Spring", "ServiceDbID, ServiceID", "5, 10");
    // The site browser's advertising tree puts the chosen advertiser in the section's place.
    TestApp().GetCurrentSectionKey().SetKey(5, 2);
    ASSERT_NE(OpenForm<QZAdView>(OBJ_AD, 7, "QZAdView"), nullptr);
    EXPECT_EQ(Selected(IDC_AD_ADVERTISER).rfind("Bolt", 0), 0u);
    ActiveDocument()->SaveObject();
    EXPECT_EQ(NumberOf(KindOf(OBJ_AD), 7, "AdvertiserID"), 2);
}
