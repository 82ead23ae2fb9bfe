// The author combo box on a real display: a typed name becomes an author (found, or made when
// no author has it) and ends up listed and selected; a blank name makes no author.

#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "shell/QZAuthorComboBox.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/ShellSiteFixture.h"

namespace {

const DialogItemTemplate kItems[] = {
    {801, "ComboBox", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, 7, 7, 100, 80},
};
const DialogTemplate kDialog{7401, WS_POPUP | WS_CAPTION, "User", "", 8, 0, 0, 120, 30, kItems, 1};

class AuthorComboTest : public ShellSiteTest {
protected:
    void SetUp() override {
        ShellSiteTest::SetUp();
        DialogTemplates::Register(kDialog.id, &kDialog);
        ASSERT_TRUE(m_dialog.Create(kDialog.id));
        ASSERT_TRUE(m_authors.SubclassDlgItem(801, &m_dialog));
        m_authors.Fill(QZKeyCombo(5, 1));
    }
    void TearDown() override {
        m_authors.DestroyWindow();
        m_dialog.DestroyWindow();
        ShellSiteTest::TearDown();
    }

    std::string Selected() {
        CString text;
        m_authors.GetLBText(m_authors.GetCurSel(), text);
        return text.str();
    }

    CDialog m_dialog;
    QZAuthorComboBox m_authors;
};

TEST_F(AuthorComboTest, ATypedNameBecomesTheSelectedAuthor) {
    const long authors = Count("SELECT * FROM Authors");
    m_authors.SetWindowText("Amy");
    m_authors.CommitTypedName();
    EXPECT_EQ(Count("SELECT * FROM Authors"), authors);
    EXPECT_EQ(m_authors.GetSelectedKey().m_KeyID, 2);
    EXPECT_EQ(Selected(), "Amy");

    m_authors.SetWindowText("Newcomer");
    m_authors.CommitTypedName();
    EXPECT_EQ(Count("SELECT * FROM Authors"), authors + 1);
    EXPECT_EQ(Selected(), "Newcomer");
    const QZKeyCombo& key = m_authors.GetSelectedKey();
    EXPECT_EQ(key.m_DbID, 5);
    EXPECT_EQ(TextOf("Authors", "AuthorName", "AuthorID = " + std::to_string(key.m_KeyID)),
              "Newcomer");
    EXPECT_EQ(m_authors.GetCount(), 3);
}

TEST_F(AuthorComboTest, ABlankNameMakesNoAuthor) {
    const long authors = Count("SELECT * FROM Authors");
    for (const char* blank : {"", "   "}) {
        m_authors.SetWindowText(blank);
        m_authors.CommitTypedName();
    }
    EXPECT_EQ(Count("SELECT * FROM Authors"), authors);
    EXPECT_EQ(m_authors.GetCount(), 2);
}

} // namespace
