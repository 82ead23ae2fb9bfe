// The property dialogs of the template commands on a real display, each opened through its
// command's EditProperties on a site database and driven as a user drives it: captions and
// labels, the command text after OK and the empty text after Cancel, the lists with their
// "None" entry, the numbers an object brings with it, and the mends: a command without a key
// opens on "None", a key the list lacks is kept unless the user picks, and choosing in a list
// keeps what was typed elsewhere.

#include "content/QZVantrelPage.h"
#include "content/commands/QZCmdImage.h"
#include "db/QZRecordsetCaches.h"
#include "editors/QZCommandPropsFactory.h"
#include "editors/QZEditTargets.h"
#include "editors/QZEditViewLogic.h"
#include "editors/QZInsertCommands.h"
#include "editors/QZMemoryTextBuffer.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "tests/content/FormsFixture.h"
#include "tests/editors/EditorFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"

#include <wx/checkbox.h>
#include <wx/spinbutt.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

using Entries = std::vector<std::string>;
using Script = DialogScript;

// What a user does in a dialog before OK or Cancel.
using Steps = std::function<void(wxDialog*)>;

class CommandPropsTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        RegisterResources();
        InstallCommandPropertyDialogs();
        Insert("Services", "DbID, ServiceID, Name, Directory, Deleted", "5, 11, 'Other', 'o', 0");
        Insert("Sections",
               "DbID, SectionID, SectionName, SectionTitle, Directory, ServiceDbID, ServiceID, "
               "StyleDbID, StyleID, Deleted",
               "5, 21, 'archive', 'Archive', 'archive', 5, 10, 5, 30, 0");
        AddPage(40, "Home", "FileName", "'page.html'");
        AddPage(45, "Old News", "FileName", "'old.html'");
        Update(ContentKindOf(OBJ_PAGE), 45, "SectionID = 21");
        const std::string place = "ServiceDbID, ServiceID, SectionDbID, SectionID, ";
        const std::string image = place + "FileName, Directory, AlternateText, Height, Width, "
                                          "BorderWidth, HSpace, VSpace, MapFile";
        AddRow(ContentKindOf(OBJ_IMAGE), 3, "Logo", image,
               "5, 10, 5, 20, 'logo.gif', 'img', 'Logo', 31, 88, 0, 0, 0, 'logo.map'");
        AddRow(ContentKindOf(OBJ_IMAGE), 4, "Banner", image,
               "5, 10, 5, 20, 'banner.gif', 'img', 'Banner', 60, 468, 2, 4, 5, ''");
        AddRow(ContentKindOf(OBJ_IMAGE), 6, "Old photo", image,
               "5, 10, 5, 21, 'old.jpg', 'img', 'Old', 10, 20, 0, 0, 0, ''");
        const std::string activeX =
            place + "ClassID, Name, Data, DataType, Border, Height, Width, HSpace, VSpace";
        AddRow(
            ContentKindOf(OBJ_ACTIVEX), 17, "Clock", activeX,
            "5, 10, 5, 20, 'A1B2', 'clock', 'clock.dat', 'application/x-clock', 1, 50, 60, 2, 3");
        AddRow(
            ContentKindOf(OBJ_ACTIVEX), 16, "Globe", activeX,
            "5, 10, 5, 20, 'C3D4', 'globe', 'globe.dat', 'application/x-globe', 3, 70, 80, 6, 7");
        AddRow(ContentKindOf(OBJ_JAVA), 18, "Ticker",
               place + "Code, Directory, AlternateText, Height, Width, HSpace, VSpace, Download",
               "5, 10, 5, 20, 'Ticker.class', 'applets', '', 20, 300, 1, 2, 0");
        AddRow(ContentKindOf(OBJ_MEDIA), 19, "Jingle", place + "FileName, Directory",
               "5, 10, 5, 20, 'jingle.wav', 'sounds'");
        AddRow(ContentKindOf(OBJ_ADSPACE), 12, "Top banner", "ServiceDbID, ServiceID", "5, 10");
        AddMacro(12, "Page banner", "<b>banner</b>");
        AddMacro(14, "Elsewhere", "<i>other site</i>");
        Update(ContentKindOf(OBJ_MACRO), 14, "ServiceID = 11");
        AddForm(8, "Order form", "<input name=x>");
        AddScript(9, "Clock script", "JavaScript", "text/javascript", "tick();");
        StoreSalesQuery();
        AddQuery(34, "SalesByRegion", false, "C:\\data\\shop.mdb");
        ClearRecordsetCaches();
        m_page = LoadPage(40);
    }
    void TearDown() override {
        m_page.reset();
        SetCommandDialogs(nullptr);
        FormsTest::TearDown();
    }

    void StoreSalesQuery() {
        CDaoDatabase db;
        db.Open(ShopFile().c_str());
        CDaoQueryDef query(&db);
        query.Create("SalesByRegion", "PARAMETERS StartDate DateTime, Region Text; SELECT Name "
                                      "FROM Products WHERE Added >= [StartDate] AND Category = "
                                      "[Region];");
        query.Append();
        db.Close();
    }

    // The command of `source` in page 40, its dialog driven by `steps` and then OK or Cancel;
    // the text EditProperties gives back.
    std::string Edit(const std::string& source, const Steps& steps, bool ok = true) {
        QZCommandBase* command = m_page->SetSourceText(CString(source));
        EXPECT_NE(command, nullptr) << source;
        if (!command)
            return "(no command)";
        m_command = command;
        Script script([&](wxDialog* dialog) {
            m_caption = dialog->GetTitle().utf8_string();
            if (steps)
                steps(dialog);
            if (dialog->IsModal())
                Script::Click(dialog, ok ? IDOK : IDCANCEL);
        });
        std::string text = command->EditProperties().str();
        EXPECT_EQ(script.opened, 1) << source;
        return text;
    }

    static wxComboBox* List(wxDialog* dialog, int id = IDC_PROPS_OBJECT) {
        return Script::Item<wxComboBox>(dialog, id);
    }
    static wxTextCtrl* Field(wxDialog* dialog, int id) {
        return Script::Item<wxTextCtrl>(dialog, id);
    }
    static std::string Value(wxDialog* dialog, int id) {
        wxTextCtrl* field = Field(dialog, id);
        return field ? field->GetValue().utf8_string() : "(none)";
    }
    static void Type(wxDialog* dialog, int id, const std::string& text) {
        if (wxTextCtrl* field = Field(dialog, id))
            field->SetValue(wxString::FromUTF8(text));
    }
    // The user picks the entry whose text begins with `name`.
    static void PickNamed(wxDialog* dialog, const std::string& name, int id = IDC_PROPS_OBJECT) {
        wxComboBox* list = List(dialog, id);
        if (!list)
            return;
        for (unsigned index = 0; index < list->GetCount(); ++index) {
            if (list->GetString(index).utf8_string().rfind(name, 0) == 0) {
                Script::Pick(list, static_cast<int>(index));
                return;
            }
        }
        ADD_FAILURE() << "no entry " << name;
    }
    // The numbers as "hspace vspace width height border" (the ones the dialog has).
    static std::string Numbers(wxDialog* dialog) {
        std::string numbers;
        for (int id : {IDC_PROPS_HSPACE, IDC_PROPS_VSPACE, IDC_PROPS_WIDTH, IDC_PROPS_HEIGHT,
                       IDC_PROPS_BORDER}) {
            if (auto* field = dynamic_cast<wxTextCtrl*>(dialog->FindWindow(id)))
                numbers += (numbers.empty() ? "" : " ") + field->GetValue().utf8_string();
        }
        return numbers;
    }
    // The texts of the visible labels and check boxes, in their order.
    static Entries Labels(wxDialog* dialog) {
        Entries labels;
        for (wxWindow* child : dialog->GetChildren()) {
            if (!child->IsShown())
                continue;
            if (dynamic_cast<wxStaticText*>(child) || dynamic_cast<wxCheckBox*>(child))
                labels.push_back(child->GetLabel().utf8_string());
        }
        return labels;
    }
    static wxCheckBox* UseMap(wxDialog* dialog) {
        return Script::Item<wxCheckBox>(dialog, IDC_PROPS_USEMAP);
    }
    static void SaveScreenshot(wxDialog* dialog, const std::string& name) {
        const char* folder = std::getenv("MQ_SCREENSHOT_DIR");
        if (!folder)
            return;
        dialog->Update();
        wxYield();
        const wxRect r = dialog->GetScreenRect();
        const std::string command = "import -window root -crop " + std::to_string(r.width) + "x" +
                                    std::to_string(r.height) + "+" + std::to_string(r.x) + "+" +
                                    std::to_string(r.y) + " +repage '" + folder + "/" + name + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }

    std::unique_ptr<QZVantrelPage> m_page;
    QZCommandBase* m_command = nullptr;
    std::string m_caption;
};

const Entries kNumberLabels = {"HSpace:", "VSpace:", "Width:", "Height:"};

Entries Join(Entries a, const Entries& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(CommandPropsTest, EachDialogShowsItsCaptionAndLabelsAndCancelGivesNoText) {
    const struct Case {
        std::string source;
        std::string caption;
        Entries labels;
    } cases[] = {
        {"<<image :3>>", "Image Command",
         Join(Join({"Section:", "Image:"}, kNumberLabels),
              {"Border:", "Use Image Map", "Alignment:", "Other:"})},
        {"<<link :40>>", "Internal Link Command", {"Section:", "Page:", "Anchor:", "Other:"}},
        {"<<form :8>>", "Form  Command", {"Form:", "Other:"}},
        {"<<query :31>>", "Query Command", {"Query:", "Parameters:"}},
        {"<<activex :17>>", "ActiveX Command",
         Join(Join({"ActiveX:"}, kNumberLabels), {"Border:", "Alignment:"})},
        {"<<java :18>>", "Java Command", Join(Join({"Java:"}, kNumberLabels), {"Alignment:"})},
        {"<<media :19>>", "Media Command", {"MultiMedia:"}},
        {"<<script :9>>", "Script Command", {"Script:"}},
        {"<<macro :12>>", "Macro Command", {"Macro:", "Other:"}},
        {"<<adspace :12>>", "Action Command", {"Action:", "Other:"}},
        {"<<addrow :41>>", "Action Command", {"Action:", "Other:"}},
        {"<<delrow :41>>", "Action Command", {"Action:", "Other:"}},
        {"<<editrow :41>>", "Action Command", {"Action:", "Other:"}},
        {"<<addrows :41, source=rows>>", "Action Command", {"Action:", "Other:"}},
        {"<<editrows :41, source=rows>>", "Action Command", {"Action:", "Other:"}},
        {"<<returnpage :40>>", "Action Command", {"Action:", "Other:"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        Entries labels;
        EXPECT_EQ(Edit(
                      c.source, [&](wxDialog* dialog) { labels = Labels(dialog); }, false),
                  "");
        EXPECT_EQ(m_caption, c.caption);
        EXPECT_EQ(labels, c.labels);
    }
}

TEST_F(CommandPropsTest, OkGivesTheRebuiltCommandOfEachDialog) {
    const struct Case {
        std::string source;
        Steps steps;
        std::string text;
    } cases[] = {
        {"<<form :8, onsubmit=\"go()\">>", nullptr, "<<form :8, onsubmit=\"go()\">>"},
        {"<<form :8>>", [](wxDialog* d) { Type(d, IDC_PROPS_OTHER, "onsubmit=\"check()\""); },
         "<<form :8,onsubmit=\"check()\">>"},
        {"<<form :8>>", [](wxDialog* d) { PickNamed(d, "None"); }, "<<form :8>>"},
        {"<<script :9>>", nullptr, "<<script :9>>"},
        {"<<media :19, other=\"x\">>", nullptr, "<<media :19,other=\"x\">>"},
        {"<<adspace :12>>", nullptr, "<<adspace :12>>"},
        {"<<macro :12, heading=\"Hi\">>", nullptr, "<<macro :12, heading=\"Hi\">>"},
        {"<<macro :12>>", [](wxDialog* d) { Type(d, IDC_PROPS_OTHER, "a=1"); },
         "<<macro :12,a=1>>"},
        {"<<addrow :41, Name=\"n\">>", [](wxDialog* d) { PickNamed(d, "Query 42"); },
         "<<addrow :42, Name=\"n\">>"},
        {"<<delrow :41>>", nullptr, "<<delrow :41>>"},
        {"<<addrows :41, source=rows, x=1>>", [](wxDialog* d) { PickNamed(d, "Query 42"); },
         "<<addrows :42,x=1,source=rows>>"},
        {"<<returnpage :40>>", [](wxDialog* d) { PickNamed(d, "Old News"); }, "<<returnpage :45>>"},
        {"<<java :18>>", [](wxDialog* d) { Type(d, IDC_PROPS_WIDTH, "250"); },
         "<<java :18,width=250>>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(Edit(c.source, c.steps), c.text);
    }
}

TEST_F(CommandPropsTest, AnImageCommandWithoutAnImageOpensOnTheSelectedSectionWithNone) {
    for (const std::string source : {"<<image :???"
                                     ">>",
                                     "<<image :000>>"}) {
        SCOPED_TRACE(source);
        std::string text = Edit(source, [](wxDialog* d) {
            EXPECT_EQ(Script::Selected(List(d, IDC_PROPS_SECTION)), "news");
            EXPECT_EQ(Script::Entries(List(d)).size(), 3u); // None, Logo, Banner
            EXPECT_EQ(Script::Selected(List(d)), "None");
            EXPECT_TRUE(List(d)->IsEnabled());
            EXPECT_FALSE(UseMap(d)->IsEnabled());
        });
        EXPECT_EQ(text, source);
    }
}

TEST_F(CommandPropsTest, AnImageWithAMapFileEnablesUseImageMapAndNoneZeroesTheNumbers) {
    std::string text = Edit("<<image :4, align=left>>", [](wxDialog* d) {
        EXPECT_EQ(Script::Selected(List(d)).rfind("Banner", 0), 0u);
        EXPECT_FALSE(UseMap(d)->IsEnabled());
        EXPECT_EQ(Numbers(d), "4 5 468 60 2");
        PickNamed(d, "Logo");
        EXPECT_TRUE(UseMap(d)->IsEnabled());
        EXPECT_TRUE(UseMap(d)->IsChecked());
        EXPECT_EQ(Numbers(d), "0 0 88 31 0");
        PickNamed(d, "None");
        EXPECT_FALSE(UseMap(d)->IsEnabled());
        EXPECT_FALSE(UseMap(d)->IsChecked());
        EXPECT_EQ(Numbers(d), "0 0 0 0 0");
        PickNamed(d, "Logo");
        SaveScreenshot(d, "image-dialog.png");
    });
    EXPECT_EQ(text, "<<image :3,align=left,ismap>>");
    // An image with a map file opens with the box to use.
    Edit(
        "<<image :3>>", [](wxDialog* d) { EXPECT_TRUE(UseMap(d)->IsEnabled()); }, false);
}

TEST_F(CommandPropsTest, AlignmentZeroShowsNoneChosenAndStaysZero) {
    Edit("<<image :3, align=0>>", [](wxDialog* d) {
        auto* align = List(d, IDC_PROPS_ALIGN);
        EXPECT_EQ(Script::Entries(align), (Entries{"Left", "Top", "Right", "Bottom", "Middle"}));
        EXPECT_EQ(Script::Selected(align), "");
    });
    EXPECT_EQ(dynamic_cast<QZCmdImage*>(m_command)->m_nAlign, 0);
    Edit("<<image :3, align=3>>",
         [](wxDialog* d) { EXPECT_EQ(Script::Selected(List(d, IDC_PROPS_ALIGN)), "Right"); });
}

TEST_F(CommandPropsTest, AWidthThatIsNoNumberKeepsTheDialogOpenWithTheMessage) {
    std::string text = Edit("<<image :3>>", [this](wxDialog* d) {
        Type(d, IDC_PROPS_WIDTH, "abc");
        Script::Click(d, IDOK);
        EXPECT_TRUE(d->IsModal());
        EXPECT_EQ(m_boxes.texts(), (Entries{"Please enter an integer."}));
        Type(d, IDC_PROPS_WIDTH, "90");
    });
    EXPECT_EQ(text, "<<image :3,width=90>>");
}

TEST_F(CommandPropsTest, ChoosingASectionRefillsThePagesAndKeepsWhatWasTyped) {
    std::string text = Edit("<<link :40, anchor=\"top\">>", [](wxDialog* d) {
        EXPECT_EQ(Script::Selected(List(d, IDC_PROPS_SECTION)), "news");
        EXPECT_EQ(Script::Selected(List(d)).rfind("Home", 0), 0u);
        EXPECT_EQ(Value(d, IDC_PROPS_ANCHOR), "top");
        Type(d, IDC_PROPS_ANCHOR, "middle");
        Type(d, IDC_PROPS_OTHER, "class=x");
        PickNamed(d, "archive", IDC_PROPS_SECTION);
        EXPECT_EQ(Script::Entries(List(d)).size(), 2u); // None, Old News
        EXPECT_EQ(Value(d, IDC_PROPS_ANCHOR), "middle");
        EXPECT_EQ(Value(d, IDC_PROPS_OTHER), "class=x");
        PickNamed(d, "Old News");
        EXPECT_EQ(Value(d, IDC_PROPS_ANCHOR), "middle");
    });
    EXPECT_EQ(text, "<<link :45,anchor=\"middle\",other=\"class=x\">>");
}

TEST_F(CommandPropsTest, ChoosingAnImageKeepsTheNumbersTypedBeforeASectionChoice) {
    Edit(
        "<<image :3>>",
        [](wxDialog* d) {
            Type(d, IDC_PROPS_WIDTH, "77");
            Type(d, IDC_PROPS_OTHER, "id=\"a\"");
            PickNamed(d, "archive", IDC_PROPS_SECTION);
            EXPECT_EQ(Value(d, IDC_PROPS_WIDTH), "77");
            EXPECT_EQ(Value(d, IDC_PROPS_OTHER), "id=\"a\"");
        },
        false);
}

TEST_F(CommandPropsTest, ChoosingAnActiveXObjectTakesItsNumbersAndMiddle) {
    std::string text = Edit("<<activex :17, align=left>>", [](wxDialog* d) {
        EXPECT_EQ(Script::Selected(List(d, IDC_PROPS_ALIGN)), "Left");
        EXPECT_EQ(Numbers(d), "2 3 60 50 1");
        PickNamed(d, "Globe");
        EXPECT_EQ(Script::Selected(List(d, IDC_PROPS_ALIGN)), "Middle");
        EXPECT_EQ(Numbers(d), "6 7 80 70 3");
    });
    EXPECT_EQ(text, "<<activex :16>>");
    // "None" names no object: the numbers become 0.
    Edit(
        "<<java :18>>",
        [](wxDialog* d) {
            EXPECT_EQ(Numbers(d), "1 2 300 20");
            PickNamed(d, "None");
            EXPECT_EQ(Numbers(d), "0 0 0 0");
        },
        false);
}

TEST_F(CommandPropsTest, ChoosingAQueryWritesItsParameters) {
    std::string text = Edit("<<query :32>>", [](wxDialog* d) {
        EXPECT_EQ(Value(d, IDC_PROPS_OTHER), "");
        PickNamed(d, "Query 34");
        EXPECT_EQ(Value(d, IDC_PROPS_OTHER), "StartDate=???, Region=???");
        PickNamed(d, "Query 31");
        EXPECT_EQ(Value(d, IDC_PROPS_OTHER), "cat=???");
        PickNamed(d, "Query 41"); // a table has no parameters
        EXPECT_EQ(Value(d, IDC_PROPS_OTHER), "");
        PickNamed(d, "Query 44"); // its data file is missing: nothing, and no message
        EXPECT_EQ(Value(d, IDC_PROPS_OTHER), "");
        PickNamed(d, "Query 34");
    });
    EXPECT_EQ(text, "<<query :34,StartDate=???, Region=???"
                    ">>");
    EXPECT_TRUE(m_boxes.texts().empty());
}

TEST_F(CommandPropsTest, AKeyTheListLacksIsKeptUnlessTheUserPicks) {
    // Another site's macro.
    std::string text = Edit("<<macro :14, a=1>>", [](wxDialog* d) {
        EXPECT_EQ(Script::Selected(List(d)), "");
        EXPECT_TRUE(List(d)->IsEnabled());
    });
    EXPECT_EQ(text, "<<macro :14, a=1>>");
    // A key naming no row.
    EXPECT_EQ(Edit("<<script :99>>", nullptr), "<<script :99>>");
    EXPECT_EQ(Edit("<<macro :14>>", [](wxDialog* d) { PickNamed(d, "Page banner"); }),
              "<<macro :12>>");
}

TEST_F(CommandPropsTest, ACommandWithoutAKeyOpensOnNoneWithTheListFilled) {
    for (const std::string source : {"<<macro>>", "<<form :000>>",
                                     "<<script :???"
                                     ">>"}) {
        SCOPED_TRACE(source);
        Edit(
            source,
            [](wxDialog* d) {
                EXPECT_TRUE(List(d)->IsEnabled());
                EXPECT_EQ(Script::Selected(List(d)), "None");
                EXPECT_GE(Script::Entries(List(d)).size(), 2u);
            },
            false);
    }
}

TEST_F(CommandPropsTest, ChoosingAMacroKeepsTheOtherTextTyped) {
    std::string text = Edit("<<macro :14>>", [](wxDialog* d) {
        Type(d, IDC_PROPS_OTHER, "b=2");
        PickNamed(d, "Page banner");
        EXPECT_EQ(Value(d, IDC_PROPS_OTHER), "b=2");
    });
    EXPECT_EQ(text, "<<macro :12,b=2>>");
}

// F8 in the editor on a page's text, with the real dialogs behind the commands.
class PropertiesInEditorTest : public CommandPropsTest {
protected:
    void Open(const std::string& text, LONG caret) {
        m_view.reset();
        m_target.reset();
        m_page.reset();
        Update(ContentKindOf(OBJ_PAGE), 40, "ScriptBody = " + Quote(text));
        ClearRecordsetCaches();
        m_page = LoadPage(40);
        m_target = std::make_unique<QZTemplateEditTarget>(*m_page);
        m_view = std::make_unique<QZEditViewLogic>(m_buffer, m_target.get());
        m_view->OnInitialUpdate();
        m_buffer.SetSel(caret, caret);
    }
    void TearDown() override {
        m_view.reset();
        m_target.reset();
        CommandPropsTest::TearDown();
    }

    QZMemoryTextBuffer m_buffer;
    std::unique_ptr<QZTemplateEditTarget> m_target;
    std::unique_ptr<QZEditViewLogic> m_view;
};

TEST_F(PropertiesInEditorTest, F8OpensTheImageDialogAndOkRewritesOnlyTheTag) {
    Open("<p><<image :4>></p>", 6);
    Script script([](wxDialog* d) {
        EXPECT_EQ(Script::Selected(List(d, IDC_PROPS_SECTION)), "news");
        EXPECT_EQ(Script::Selected(List(d)).rfind("Banner", 0), 0u);
        PickNamed(d, "Logo");
        Script::Click(d, IDOK);
    });
    EXPECT_TRUE(m_view->GetControl().SelectCommandAtCaret(TRUE));
    EXPECT_EQ(m_buffer.GetText().str(), "<p><<image :3,ismap>></p>");
    m_view->OnEditUndo();
    EXPECT_EQ(m_buffer.GetText().str(), "<p><<image :4>></p>");
}

TEST_F(PropertiesInEditorTest, CancelLeavesTheTextAndACancelledInsertInsertsNothing) {
    Open("<p><<image :4>></p>", 6);
    {
        Script script([](wxDialog* d) { Script::Click(d, IDCANCEL); });
        EXPECT_TRUE(m_view->GetControl().SelectCommandAtCaret(TRUE));
        EXPECT_EQ(script.opened, 1);
    }
    EXPECT_EQ(m_buffer.GetText().str(), "<p><<image :4>></p>");
    m_buffer.SetSel(0, 0);
    Script script([](wxDialog* d) {
        EXPECT_EQ(d->GetTitle().utf8_string(), "Image Command");
        Script::Click(d, IDCANCEL);
    });
    QZInsertCommands(*m_view, TRUE).Run(32762);
    EXPECT_EQ(script.opened, 1);
    EXPECT_EQ(m_buffer.GetText().str(), "<p><<image :4>></p>");
}

} // namespace
