// The property dialogs of the form, query, script, row and returnpage commands, through fake
// dialogs that answer as a user would: OK rebuilds the command's opening from the new key and
// the rest, Cancel gives an empty text; the array row commands keep their rows' source.

#include "content/commands/QZCmdForm.h"
#include "content/commands/QZCmdQuery.h"
#include "content/commands/QZCmdReturn.h"
#include "content/commands/QZCmdRowActionMember.h"
#include "template/commands/QZCommandDialogs.h"
#include "tests/content/FormsFixture.h"

namespace {

// Sets the key and the rest as a user would, or cancels, and keeps what it was shown.
class FakeDialogs : public QZCommandDialogs {
public:
    int FormProps(QZCommandBase& command, const CString& rest) override {
        auto& form = dynamic_cast<QZCmdForm&>(command);
        return Answer(rest, [&] {
            form.SetFormKey(key);
            form.SetRest(newRest.c_str());
        });
    }
    int QueryProps(QZCommandBase& command, const CString& rest) override {
        auto& query = dynamic_cast<QZCmdQuery&>(command);
        return Answer(rest, [&] {
            query.SetQueryKey(key);
            query.SetRest(newRest.c_str());
        });
    }
    int ScriptProps(QZKeyCombo& scriptKey) override {
        return Answer(CString(), [&] { scriptKey = key; });
    }
    int ActionProps(QZCommandBase& command, CString& keyText, CString& rest) override {
        return RowProps(command, keyText, rest, false);
    }
    int MultiActionProps(QZCommandBase& command, CString& keyText, CString& rest) override {
        return RowProps(command, keyText, rest, true);
    }
    int ReturnProps(QZCommandBase& command, CString& keyText, CString& rest) override {
        shownKey = keyText.str();
        return Answer(rest, [&] {
            dynamic_cast<QZCmdReturn&>(command).SetPageKey(key);
            rest = newRest.c_str();
        });
    }

    bool ok = true;
    QZKeyCombo key;
    std::string newRest;
    std::string shownKey;
    std::string shownRest;
    std::string dialog;

private:
    template <class Apply> int Answer(const CString& rest, Apply apply) {
        shownRest = rest.str();
        if (!ok)
            return IDCANCEL;
        apply();
        return IDOK;
    }
    int RowProps(QZCommandBase& command, CString& keyText, CString& rest, bool multi) {
        dialog = multi ? "multi" : "single";
        shownKey = keyText.str();
        return Answer(rest, [&] {
            dynamic_cast<QZCmdRowActionMember&>(command).SetQueryKey(key);
            rest = newRest.c_str();
        });
    }
};

struct EditCase {
    const char* source;
    bool ok;
    QZKeyCombo key;
    const char* rest;
    const char* shownRest;
    const char* result;
};

class EditCommandsTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        AddForm(13, "Search", "x");
        AddScript(21, "Script", "JavaScript", "", "x");
        AddPage(40, "Page");
        AddPage(45, "Thanks");
        SetCommandDialogs(&m_dialogs);
        m_page = LoadPage(40);
    }
    void TearDown() override {
        m_page.reset();
        FormsTest::TearDown();
    }
    void Check(const EditCase& c) {
        SCOPED_TRACE(c.source);
        m_dialogs.ok = c.ok;
        m_dialogs.key = c.key;
        m_dialogs.newRest = c.rest;
        QZCommandBase* command = m_page->SetSourceText(c.source);
        ASSERT_NE(command, nullptr);
        EXPECT_EQ(command->EditProperties().str(), c.result);
        EXPECT_EQ(m_dialogs.shownRest, c.shownRest);
    }

    FakeDialogs m_dialogs;
    std::unique_ptr<QZVantrelPage> m_page;
};

TEST_F(EditCommandsTest, FormAndQueryRebuildTheirOpeningFromTheKeyAndTheRest) {
    const EditCase cases[] = {
        {"<<form :13, onsubmit=\"x\">>", true, QZKeyCombo(5, 14), "onsubmit=\"y\"",
         " onsubmit=\"x\"", "<<form :14,onsubmit=\"y\">>"},
        {"<<form :13>>", true, QZKeyCombo(7, 2), "", "", "<<form 7:2>>"},
        // Without a key the text the key had (none) stays.
        {"<<form onsubmit=\"x\">>", true, QZKeyCombo(-1, -1), "onsubmit=\"x\"", "onsubmit=\"x\"",
         "<<form ,onsubmit=\"x\">>"},
        {"<<form :13, onsubmit=\"x\">>", false, QZKeyCombo(5, 14), "", " onsubmit=\"x\"", ""},
        {"<<query :31, dbname=\"x\">>R<</query>>", true, QZKeyCombo(5, 32), "dbname=\"y\"",
         " dbname=\"x\"", "<<query :32,dbname=\"y\">>"},
        {"<<query :31>>R<</query>>", true, QZKeyCombo(0, 0), "", "", "<<query :31>>"},
        {"<<query :31>>R<</query>>", false, QZKeyCombo(5, 32), "", "", ""},
    };
    for (const EditCase& c : cases)
        Check(c);
}

TEST_F(EditCommandsTest, ScriptRebuildsItsKeyOnly) {
    const EditCase cases[] = {
        {"<<script :21>>", true, QZKeyCombo(5, 22), "", "", "<<script :22>>"},
        {"<<script :21, extra=1>>", true, QZKeyCombo(5, 21), "", "", "<<script :21>>"},
        {"<<script \"none\">>", true, QZKeyCombo(0, 0), "", "", "<<script \"none\">>"},
        {"<<script :21>>", false, QZKeyCombo(5, 22), "", "", ""},
    };
    for (const EditCase& c : cases)
        Check(c);
}

TEST_F(EditCommandsTest, RowCommandsKeepTheSourceOfTheirRows) {
    const EditCase cases[] = {
        {"<<addrow :41, Name=\"x\">>", true, QZKeyCombo(5, 42), "Name=\"y\"", " Name=\"x\"",
         "<<addrow :42,Name=\"y\">>"},
        {"<<delrow :41>>", true, QZKeyCombo(5, 41), "", "", "<<delrow :41>>"},
        {"<<editrow :41, a=1>>", true, QZKeyCombo(-1, -1), "a=1", " a=1", "<<editrow ,a=1>>"},
        // The dialog never sees the source; it comes back unless the dialog names one.
        {"<<addrows :41, Category=\"tools\", source=rows>>", true, QZKeyCombo(5, 42),
         "Category=\"parts\"", "Category=\"tools\"",
         "<<addrows :42,Category=\"parts\",source=rows>>"},
        {"<<editrows :41, Source=rows>>", true, QZKeyCombo(5, 41), "", "",
         "<<editrows :41,Source=rows>>"},
        {"<<editrows :41, source=rows>>", true, QZKeyCombo(5, 41), "source=others", "",
         "<<editrows :41,source=others>>"},
        {"<<addrows :41, source=rows>>", false, QZKeyCombo(5, 42), "", "", ""},
    };
    for (const EditCase& c : cases) {
        Check(c);
        std::string word(c.source, std::string(c.source).find(' '));
        EXPECT_EQ(m_dialogs.dialog, word.back() == 's' ? "multi" : "single") << c.source;
    }
}

TEST_F(EditCommandsTest, ReturnpageRebuildsItsKeyAndRest) {
    const EditCase cases[] = {
        {"<<returnpage :45, who=\"Ann\">>", true, QZKeyCombo(5, 46), " who=\"Ann\"", " who=\"Ann\"",
         "<<returnpage :46, who=\"Ann\">>"},
        {"<<returnpage :45>>", true, QZKeyCombo(5, 45), "", "", "<<returnpage :45>>"},
        {"<<returnpage :45>>", false, QZKeyCombo(5, 46), "", "", ""},
    };
    for (const EditCase& c : cases)
        Check(c);
    EXPECT_EQ(m_dialogs.shownKey, ":45");
}

TEST_F(EditCommandsTest, EmailOpensNoDialog) {
    m_dialogs.shownRest = "untouched";
    QZCommandBase* command = m_page->SetSourceText("<<email :70>>");
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->EditProperties().str(), "");
    EXPECT_EQ(m_dialogs.shownRest, "untouched");
}

} // namespace
