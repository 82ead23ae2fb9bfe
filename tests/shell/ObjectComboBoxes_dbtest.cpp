// The object combo boxes over a seeded site, without windows: what each fill lists, in what
// text, what it selects, and when it disables the control and leaves it as it was.

#include "shell/QZAuthorComboBox.h"
#include "shell/QZListComboBoxes.h"
#include "shell/QZPageComboBox.h"
#include "shell/QZSectionComboBox.h"
#include "shell/QZServiceComboBox.h"
#include "shell/QZStyleComboBox.h"
#include "tests/shell/ShellSiteFixture.h"

#include <functional>
#include <memory>

namespace {

using Entries = std::vector<std::string>;

const QZKeyCombo kMain(5, 1, OBJ_SERVICE);
const QZKeyCombo kOther(5, 2, OBJ_SERVICE);
const QZKeyCombo kSecB(5, 10, OBJ_SECTION);
const QZKeyCombo kNoKey(-1, -1);

Entries EntriesOf(const QZComboItems& items) {
    Entries entries;
    for (int index = 0; index < items.GetCount(); ++index)
        entries.push_back(items.GetEntryText(index).str());
    return entries;
}

std::string KeyText(const QZKeyCombo& key) {
    return std::to_string(key.m_DbID) + ":" + std::to_string(key.m_KeyID);
}

struct FamilyCase {
    const char* name;
    std::function<std::unique_ptr<QZListComboBox>()> make;
    QZKeyCombo parent;
    Entries entries; // without "None"
};

void PrintTo(const FamilyCase& c, std::ostream* os) {
    *os << c.name;
}

#define MEMBER(cls) #cls, [] { return std::unique_ptr<QZListComboBox>(new cls); }

std::vector<FamilyCase> FamilyCases() {
    const Entries plain{"Alpha  (:2)", "Beta  (:1)"};
    return {
        {MEMBER(QZListComboBox), kMain, plain},
        {MEMBER(QZPagesComboBox), kMain, {"Alpha  (:2)", "Beta  (:1)", "Cgi  (:5)"}},
        // The kind letters of the section's page query are dropped.
        {MEMBER(QZPagesSectionComboBox), kSecB, {"Alpha  (:2)", "Beta  (:1)", "Cgi  (:5)"}},
        {MEMBER(QZImageComboBox), kMain, plain},
        {MEMBER(QZImageSectionComboBox), kSecB, plain},
        {MEMBER(QZFormComboBox), kMain, plain},
        {MEMBER(QZQueryComboBox), kMain, plain},
        {MEMBER(QZScriptComboBox), kMain, plain},
        {MEMBER(QZJavaComboBox), kMain, plain},
        {MEMBER(QZActiveXComboBox), kMain, plain},
        {MEMBER(QZMultiMediaComboBox), kMain, plain},
        {MEMBER(QZAdvertiserComboBox), kMain, plain},
        {MEMBER(QZAdComboBox), kMain, plain},
        // The ad spaces keep the letter their query puts before the titles.
        {MEMBER(QZAdSpaceComboBox), kMain, {"SAlpha  (:2)", "SBeta  (:1)"}},
    };
}

class FamilyMemberTest : public ShellSiteTest, public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(FamilyMemberTest, ListsItsKindUnderTheParentWithNoneFirst) {
    const FamilyCase& c = GetParam();
    std::unique_ptr<QZListComboBox> combo = c.make();
    combo->Fill(c.parent, QZKeyCombo(5, 1), TRUE);
    Entries expected{"None"};
    expected.insert(expected.end(), c.entries.begin(), c.entries.end());
    EXPECT_EQ(EntriesOf(combo->GetItems()), expected);
    EXPECT_FALSE(combo->GetItems().IsDisabled());
    // 5:1 is "Beta", listed second after "None".
    EXPECT_EQ(KeyText(combo->GetSelectedKey()), "5:1");
}

INSTANTIATE_TEST_SUITE_P(EveryMember, FamilyMemberTest, ::testing::ValuesIn(FamilyCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct FillCase {
    const char* name;
    QZKeyCombo select;
    BOOL addNone;
    Entries entries;
    int selection;
    std::string key;
};

void PrintTo(const FillCase& c, std::ostream* os) {
    *os << c.name;
}

class FamilyFillTest : public ShellSiteTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(FamilyFillTest, SelectsTheKeyOrElseTheFirstEntry) {
    const FillCase& c = GetParam();
    QZListComboBox macros;
    macros.Fill(kMain, c.select, c.addNone);
    EXPECT_EQ(EntriesOf(macros.GetItems()), c.entries);
    EXPECT_EQ(macros.GetItems().GetFillSelection(), c.selection);
    EXPECT_EQ(KeyText(macros.GetSelectedKey()), c.key);
}

INSTANTIATE_TEST_SUITE_P(
    Macros, FamilyFillTest,
    ::testing::Values(
        FillCase{"ListedKey", QZKeyCombo(5, 2), FALSE, {"Alpha  (:2)", "Beta  (:1)"}, 0, "5:2"},
        FillCase{
            "NoneChosen", QZKeyCombo(0, 0), TRUE, {"None", "Alpha  (:2)", "Beta  (:1)"}, 0, "0:0"},
        // An unlisted key (here a deleted macro) selects the first entry: "None" when offered.
        FillCase{"UnlistedWithNone",
                 QZKeyCombo(5, 3),
                 TRUE,
                 {"None", "Alpha  (:2)", "Beta  (:1)"},
                 0,
                 "0:0"},
        FillCase{"UnlistedWithoutNone",
                 QZKeyCombo(5, 3),
                 FALSE,
                 {"Alpha  (:2)", "Beta  (:1)"},
                 0,
                 "5:2"},
        // Keys match by numbers alone: a key of another type selects the entry.
        FillCase{"OtherTypeSameNumbers",
                 QZKeyCombo(5, 1, OBJ_PAGE),
                 TRUE,
                 {"None", "Alpha  (:2)", "Beta  (:1)"},
                 2,
                 "5:1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellSiteTest, AnEmptyKeyDisablesTheComboAndLeavesItsEntries) {
    for (bool emptyParent : {true, false}) {
        SCOPED_TRACE(emptyParent ? "empty parent" : "empty key to select");
        QZImageComboBox images;
        images.Fill(kMain, QZKeyCombo(5, 1), FALSE);
        ASSERT_FALSE(images.GetItems().IsDisabled());
        images.Fill(emptyParent ? kNoKey : kOther, emptyParent ? QZKeyCombo(5, 4) : kNoKey, TRUE);
        EXPECT_TRUE(images.GetItems().IsDisabled());
        EXPECT_EQ(EntriesOf(images.GetItems()), (Entries{"Alpha  (:2)", "Beta  (:1)"}));
        EXPECT_EQ(KeyText(images.GetSelectedKey()), "5:1");
    }
}

TEST_F(ShellSiteTest, ARefillListsTheNewParentsObjects) {
    QZPagesSectionComboBox pages;
    pages.Fill(kSecB, QZKeyCombo(5, 5), FALSE);
    EXPECT_EQ(KeyText(pages.GetSelectedKey()), "5:5");
    pages.Fill(QZKeyCombo(5, 13, OBJ_SECTION), QZKeyCombo(5, 5), TRUE);
    EXPECT_EQ(EntriesOf(pages.GetItems()), (Entries{"None", "Delta  (:4)"}));
    EXPECT_EQ(KeyText(pages.GetSelectedKey()), "0:0");
}

TEST_F(ShellSiteTest, AnEmptyListWithoutNoneSelectsNothing) {
    QZFormComboBox forms;
    forms.Fill(QZKeyCombo(5, 99, OBJ_SERVICE), QZKeyCombo(5, 1), FALSE);
    EXPECT_EQ(forms.GetItems().GetCount(), 0);
    EXPECT_EQ(forms.GetItems().GetFillSelection(), -1);
    EXPECT_EQ(KeyText(forms.GetSelectedKey()), "-1:-1");
}

TEST_F(ShellSiteTest, TheOwnCombosListByNameAndSelectTheKeyOrTheFirst) {
    QZServiceComboBox sites;
    sites.Fill(kOther);
    EXPECT_EQ(EntriesOf(sites.GetItems()), (Entries{"Main", "Other"}));
    EXPECT_EQ(KeyText(sites.GetSelectedKey()), "5:2");
    sites.Fill(QZKeyCombo(5, 3)); // the deleted site is not listed
    EXPECT_EQ(KeyText(sites.GetSelectedKey()), "5:1");

    QZSectionComboBox sections;
    sections.Fill(kMain, QZKeyCombo(5, 13));
    EXPECT_EQ(EntriesOf(sections.GetItems()), (Entries{"Sec A", "Sec B"}));
    EXPECT_EQ(KeyText(sections.GetSelectedKey()), "5:11");

    QZStyleComboBox styles;
    styles.Fill(kMain, QZKeyCombo(5, 1));
    EXPECT_EQ(EntriesOf(styles.GetItems()), (Entries{"Alpha", "Beta"}));
    EXPECT_EQ(KeyText(styles.GetSelectedKey()), "5:1");

    QZAuthorComboBox authors;
    authors.Fill(QZKeyCombo(5, 1));
    EXPECT_EQ(EntriesOf(authors.GetItems()), (Entries{"Amy", "Zed"}));
    EXPECT_EQ(KeyText(authors.GetSelectedKey()), "5:1");

    // The page combo shows the key with the title, as the family does.
    QZPageComboBox pages;
    pages.Fill(kMain, QZKeyCombo(5, 5));
    EXPECT_EQ(EntriesOf(pages.GetItems()), (Entries{"Alpha  (:2)", "Beta  (:1)", "Cgi  (:5)"}));
    EXPECT_EQ(KeyText(pages.GetSelectedKey()), "5:5");
}

TEST_F(ShellSiteTest, TheSiteComboReadsItsListWhenMade) {
    QZServiceComboBox sites;
    ExecuteOn(m_path, "INSERT INTO Services (DbID, ServiceID, Name, Deleted) VALUES (5, 4, "
                      "'Added', 0)");
    // SelectKey adds the list read before; a site added since is not in it.
    sites.SelectKey(QZKeyCombo(5, 4));
    EXPECT_EQ(EntriesOf(sites.GetItems()), (Entries{"Main", "Other"}));
    sites.Fill(QZKeyCombo(5, 4));
    EXPECT_EQ(EntriesOf(sites.GetItems()), (Entries{"Added", "Main", "Other"}));
    EXPECT_EQ(KeyText(sites.GetSelectedKey()), "5:4");
}

} // namespace
