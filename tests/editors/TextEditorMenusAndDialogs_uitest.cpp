// The text editor's context menu, its "Table Size" and "List" dialogs and its colours on a real
// display: the menu as it shows (Properties greyed on plain text, the route's greying of the
// rest) and the command it sends to the view; the dialogs driven as a user drives them through
// the Insert commands; and a screenshot of coloured text, its pixels probed.

#include "editors/QZEditView.h"
#include "editors/QZWindowInsertDialogs.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CommandIds.h"
#include "res/TextEditorIds.h"
#include "shell/CVantrel3App.h"
#include "tests/editors/EditorFixture.h"
#include "tests/platform/ui/UiTestHelpers.h"
#include "tests/shell/DialogScript.h"

#include <gtest/gtest.h>
#include <wx/spinbutt.h>
#include <wx/stc/stc.h>
#include <wx/textctrl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Plays the user at the context menu: keeps what was shown and chooses `choice` (0: none).
class MenuChoice : public MenuTracker {
public:
    explicit MenuChoice(UINT choice = 0) : m_choice(choice), m_previous(SetMenuTracker(this)) {}
    ~MenuChoice() override { SetMenuTracker(m_previous); }

    UINT Track(const CMenu& menu, CPoint, CWnd* owner) override {
        shown = menu;
        this->owner = owner;
        ++count;
        return m_choice;
    }

    // The state of a command's item in the menu shown, searched through its pop-ups.
    BOOL Greyed(UINT id) const { return (shown.GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) != 0; }
    // The texts of the menu's first level.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const CMenu::Item& item : shown.Items())
            texts.push_back(item.text.str());
        return texts;
    }

    CMenu shown;
    CWnd* owner = nullptr;
    int count = 0;

private:
    UINT m_choice;
    MenuTracker* m_previous;
};

// The Use Wizards preference on, with the dialogs in windows, for one test.
class WizardsOn {
public:
    WizardsOn() : m_saved(g_bUseWizards), m_previous(SetInsertDialogs(nullptr)) {
        g_bUseWizards = TRUE;
        InstallInsertDialogs();
    }
    ~WizardsOn() {
        g_bUseWizards = m_saved;
        SetInsertDialogs(m_previous);
    }

private:
    BOOL m_saved;
    QZInsertDialogs* m_previous;
};

} // namespace

class TextEditorMenusTest : public EditorTest {
protected:
    // A page whose "Edit" tab holds the text, loaded.
    QZEditView* OpenPage(const std::string& text) {
        AddKindRow(EditorKinds()[0], 12, "Home", "ScriptBody", "'" + text + "'");
        if (!Open(OBJ_PAGE, 12))
            return nullptr;
        SettleWindows();
        auto* view = dynamic_cast<QZEditView*>(ActiveFrame()->GetActiveView());
        if (view)
            view->LoadFromObject();
        return view;
    }

    // The right button released over the control, as the window system reports it.
    static void RightClick(QZEditView& view) {
        wxWindow* control = view.GetEditCtrl().GetSafeHwnd();
        wxMouseEvent event(wxEVT_RIGHT_UP);
        event.SetEventObject(control);
        event.SetPosition(wxPoint(5, 5));
        control->GetEventHandler()->ProcessEvent(event);
    }
};

TEST_F(TextEditorMenusTest, TheContextMenuGreysPropertiesOnPlainTextAndOffersTheInsertMenu) {
    QZEditView* view = OpenPage("plain text <<print Date>>");
    ASSERT_NE(view, nullptr);
    view->GetEditCtrl().SetSel(2, 2);
    MenuChoice menu;
    RightClick(*view);
    ASSERT_EQ(menu.count, 1);
    EXPECT_EQ(menu.owner, view);
    EXPECT_EQ(menu.Texts(), (std::vector<std::string>{"P&roperties\tF8", "", "Cu&t", "&Copy",
                                                      "&Paste", "", "&Insert"}));
    EXPECT_TRUE(menu.Greyed(ID_EDIT_PROPERTIES));
    // Nothing selected: nothing to copy.
    EXPECT_TRUE(menu.Greyed(ID_EDIT_COPY));
    // The Insert menu's commands, in its pop-ups too, are the view's.
    for (UINT id : {32762u, 32811u, 32823u, 32855u, 32848u, 32796u, 32881u})
        EXPECT_FALSE(menu.Greyed(id)) << id;
    EXPECT_EQ(menu.shown.GetMenuState(32893, MF_BYCOMMAND) & MF_GRAYED, 0u);
    // Showing the menu selected nothing.
    EXPECT_EQ(view->GetEditCtrl().GetSelText().str(), "");
}

TEST_F(TextEditorMenusTest, OnACommandTheMenuSelectsItAndOffersItsProperties) {
    QZEditView* view = OpenPage("plain text <<print Date>>");
    ASSERT_NE(view, nullptr);
    view->GetEditCtrl().SetSel(15, 15);
    MenuChoice menu;
    RightClick(*view);
    ASSERT_EQ(menu.count, 1);
    EXPECT_FALSE(menu.Greyed(ID_EDIT_PROPERTIES));
    EXPECT_FALSE(menu.Greyed(ID_EDIT_COPY));
    EXPECT_EQ(view->GetEditCtrl().GetSelText().str(), "<<print Date>>");
}

TEST_F(TextEditorMenusTest, TheChosenCommandReachesTheView) {
    QZEditView* view = OpenPage("ab");
    ASSERT_NE(view, nullptr);
    view->GetEditCtrl().SetSel(1, 1);
    MenuChoice menu(32823); // Constant, Date
    RightClick(*view);
    EXPECT_EQ(Text(*view), "a<<print Date>>b");
    EXPECT_EQ(view->GetLogic().GetUndoList().size(), 2u);
    EXPECT_TRUE(ActiveDocument()->IsModified());
}

TEST_F(TextEditorMenusTest, OnAReadOnlyCopyTheMenuGreysEveryEditingCommand) {
    QZEditView* view = OpenPage("<<print Date>>");
    ASSERT_NE(view, nullptr);
    ActiveDocument()->GetContentObject()->m_bEditable = FALSE;
    view->OnInitialUpdate();
    view->GetEditCtrl().SetSel(3, 3);
    MenuChoice menu(32800);
    RightClick(*view);
    for (UINT id : {ID_EDIT_PROPERTIES, 32800u, 32811u, 32823u, 32855u})
        EXPECT_TRUE(menu.Greyed(id)) << id;
    // Copying still works; the chosen insertion changes nothing.
    EXPECT_FALSE(menu.Greyed(ID_EDIT_COPY));
    EXPECT_EQ(Text(*view), "<<print Date>>");
    EXPECT_FALSE(ActiveDocument()->IsModified());
}

// ---- "Table Size" and "List" ----

namespace {

wxTextCtrl* Edit(wxDialog* dialog, int id) {
    return DialogScript::Item<wxTextCtrl>(dialog, id);
}

std::string FieldText(wxDialog* dialog, int id) {
    wxTextCtrl* edit = Edit(dialog, id);
    return edit ? edit->GetValue().utf8_string() : "";
}

void Type(wxDialog* dialog, int id, const char* text) {
    if (wxTextCtrl* edit = Edit(dialog, id))
        edit->SetValue(text);
}

struct DialogCase {
    const char* label;
    UINT command;
    std::function<void(wxDialog*)> user; // ends with OK or Cancel
    const char* text;                    // the page's text afterwards
    std::vector<std::string> messages;
};

} // namespace

TEST_F(TextEditorMenusTest, TheTableAndListDialogsOpenWithTheOutlinesValues) {
    WizardsOn wizards;
    QZEditView* view = OpenPage("");
    ASSERT_NE(view, nullptr);
    {
        DialogScript table([](wxDialog* dialog) {
            EXPECT_EQ(dialog->GetTitle().utf8_string(), "Table Size");
            EXPECT_EQ(FieldText(dialog, IDC_OUTLINE_ROWS), "2");
            EXPECT_EQ(FieldText(dialog, IDC_TABLE_COLUMNS), "2");
            for (int spin : {IDC_OUTLINE_ROWS_SPIN, IDC_TABLE_COLUMNS_SPIN}) {
                auto* arrows = DialogScript::Item<wxSpinButton>(dialog, spin);
                ASSERT_NE(arrows, nullptr);
                EXPECT_EQ(arrows->GetMin(), 0);
                EXPECT_EQ(arrows->GetMax(), 100);
                EXPECT_EQ(arrows->GetValue(), 2);
            }
            DialogScript::Click(dialog, IDCANCEL);
        });
        view->OnCmdMsg(32799, CN_COMMAND, nullptr, nullptr);
        EXPECT_EQ(table.opened, 1);
    }

    {
        DialogScript list([](wxDialog* dialog) {
            EXPECT_EQ(dialog->GetTitle().utf8_string(), "List");
            EXPECT_EQ(FieldText(dialog, IDC_LIST_HEADING), "Heading");
            EXPECT_EQ(FieldText(dialog, IDC_OUTLINE_ROWS), "3");
            auto* bullets = DialogScript::Item<wxComboBox>(dialog, IDC_LIST_BULLET);
            EXPECT_EQ(DialogScript::Entries(bullets),
                      (std::vector<std::string>{"Default", "Disc", "Circle", "Square"}));
            EXPECT_EQ(DialogScript::Selected(bullets), "Default");
            DialogScript::Click(dialog, IDCANCEL);
        });
        view->OnCmdMsg(32808, CN_COMMAND, nullptr, nullptr);
        EXPECT_EQ(list.opened, 1);
    }
    EXPECT_EQ(Text(*view), "");
    EXPECT_TRUE(view->GetLogic().GetUndoList().empty());
}

TEST_F(TextEditorMenusTest, TheTableAndListDialogsInsertWhatTheUserChose) {
    const std::vector<DialogCase> cases{
        {"table 1 by 3",
         32799,
         [](wxDialog* d) {
             Type(d, IDC_OUTLINE_ROWS, "1");
             Type(d, IDC_TABLE_COLUMNS, " 3 ");
             DialogScript::Click(d, IDOK);
         },
         "<table>\r\n\t<tr>\r\n\t\t<td>Row 0 Col 0</td>\r\n\t\t<td>Row 0 Col 1</td>\r\n"
         "\t\t<td>Row 0 Col 2</td>\r\n\t</tr>\r\n</table>\r\n",
         {}},
        {"table refusing a word, then cancelled",
         32799,
         [](wxDialog* d) {
             Type(d, IDC_TABLE_COLUMNS, "two");
             DialogScript::Click(d, IDOK);
             EXPECT_TRUE(d->IsModal()) << "a refused value keeps the dialog open";
             DialogScript::Click(d, IDCANCEL);
         },
         "",
         {"Please enter a positive integer."}},
        {"list with a square bullet",
         32808,
         [](wxDialog* d) {
             Type(d, IDC_LIST_HEADING, "Fruit");
             Type(d, IDC_OUTLINE_ROWS, "2");
             DialogScript::Pick(DialogScript::Item<wxComboBox>(d, IDC_LIST_BULLET), 3);
             DialogScript::Click(d, IDOK);
         },
         "<ul type=square>\r\n<lh>Fruit</lh><br>\r\n\t<li>List Item 1 <br>\r\n"
         "\t<li>List Item 2 <br>\r\n</ul><br>\r\n",
         {}},
        {"list refusing a negative number",
         32808,
         [](wxDialog* d) {
             Type(d, IDC_OUTLINE_ROWS, "-1");
             DialogScript::Click(d, IDOK);
             EXPECT_TRUE(d->IsModal());
             DialogScript::Click(d, IDCANCEL);
         },
         "",
         {"Please enter a positive integer."}},
    };
    WizardsOn wizards;
    LONG id = 12;
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.label);
        AddKindRow(EditorKinds()[0], ++id, "Page", "ScriptBody", "''");
        ASSERT_TRUE(Open(OBJ_PAGE, id));
        SettleWindows();
        auto* view = dynamic_cast<QZEditView*>(ActiveFrame()->GetActiveView());
        ASSERT_NE(view, nullptr);
        view->LoadFromObject();
        m_boxes.Clear();
        DialogScript script(c.user);
        view->OnCmdMsg(c.command, CN_COMMAND, nullptr, nullptr);
        EXPECT_EQ(script.opened, 1);
        EXPECT_EQ(Text(*view), c.text);
        EXPECT_EQ(m_boxes.texts(), c.messages);
        CloseAll();
    }
}

// ---- Colours on the screen ----

namespace {

struct Rgb {
    int r, g, b;
};

// The screen's pixels in a rectangle, taken with ImageMagick's import.
class Screenshot {
public:
    bool Take(const wxRect& area) {
        const std::string path = "/tmp/mq_editor_shot_" + std::to_string(::getpid()) + ".ppm";
        char geometry[64];
        std::snprintf(geometry, sizeof geometry, "%dx%d+%d+%d", area.width, area.height, area.x,
                      area.y);
        const std::string command =
            std::string("import -window root -crop ") + geometry + " +repage -depth 8 ppm:" + path;
        if (std::system(command.c_str()) != 0)
            return false;
        const bool read = Read(path);
        std::remove(path.c_str());
        return read;
    }

    Rgb At(int x, int y) const {
        const size_t i =
            (static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)) * 3;
        return {m_pixels[i], m_pixels[i + 1], m_pixels[i + 2]};
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    bool Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::string magic;
        int maxValue = 0;
        file >> magic >> m_width >> m_height >> maxValue;
        file.get();
        if (magic != "P6" || maxValue != 255 || m_width <= 0 || m_height <= 0)
            return false;
        std::vector<char> bytes(static_cast<size_t>(m_width) * static_cast<size_t>(m_height) * 3);
        file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        m_pixels.assign(bytes.begin(), bytes.end());
        for (int& value : m_pixels)
            value &= 0xFF;
        return static_cast<size_t>(file.gcount()) == bytes.size();
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<int> m_pixels;
};

// The pixel of a region that stands out most from the white background (the ink of its
// glyphs): the one with the smallest sum of its channels.
Rgb InkOf(const Screenshot& shot, const wxRect& region) {
    Rgb ink{255, 255, 255};
    for (int y = region.y; y < region.GetBottom(); ++y) {
        for (int x = region.x; x < region.GetRight(); ++x) {
            const Rgb pixel = shot.At(x, y);
            if (pixel.r + pixel.g + pixel.b < ink.r + ink.g + ink.b)
                ink = pixel;
        }
    }
    return ink;
}

bool Near(const Rgb& pixel, const Rgb& colour, int tolerance = 40) {
    return std::abs(pixel.r - colour.r) <= tolerance && std::abs(pixel.g - colour.g) <= tolerance &&
           std::abs(pixel.b - colour.b) <= tolerance;
}

std::string Describe(const Rgb& pixel) {
    return std::to_string(pixel.r) + "," + std::to_string(pixel.g) + "," + std::to_string(pixel.b);
}

} // namespace

TEST_F(TextEditorMenusTest, ColouredTextOnTheScreenShowsEachKindInItsColour) {
    const std::string line0 = "<<print Date>> <b>tag</b>";
    const std::string line1 = "// comment";
    const std::string line2 = "plain";
    QZEditView* view = OpenPage(line0 + "\r\n" + line1 + "\r\n" + line2);
    ASSERT_NE(view, nullptr);
    auto* control = dynamic_cast<wxStyledTextCtrl*>(view->GetEditCtrl().GetSafeHwnd());
    ASSERT_NE(control, nullptr);
    // Only the page text shows in the picture.
    ShowOnlyTab(view);
    control->SetSelection(control->GetLength(), control->GetLength());
    control->SetCaretWidth(0);
    control->Refresh();
    for (int i = 0; i < 10; ++i) {
        SettleWindows();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    const wxRect screen = control->GetScreenRect();
    Screenshot shot;
    ASSERT_TRUE(shot.Take(screen)) << "import could not take the screenshot";
    ASSERT_EQ(shot.Width(), screen.width);

    // The pixels of the characters from `start` to `end` of the text.
    const auto region = [control](int start, int end) {
        const wxPoint from = control->PointFromPosition(start);
        const wxPoint to = control->PointFromPosition(end);
        const int height = control->TextHeight(control->LineFromPosition(start));
        return wxRect(from.x, from.y, to.x - from.x, height);
    };
    const int comment = static_cast<int>(line0.size()) + 2;
    const int plain = comment + static_cast<int>(line1.size()) + 2;
    struct Probe {
        const char* label;
        wxRect area;
        Rgb colour;
    };
    const std::vector<Probe> probes{
        {"bracket", region(0, 2), {160, 160, 160}},
        {"command", region(2, 12), {176, 0, 0}},
        {"tag", region(15, 18), {0, 0, 255}},
        {"comment", region(comment, comment + 10), {50, 150, 50}},
        {"text", region(plain, plain + 5), {0, 0, 0}},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE(probe.label);
        ASSERT_GT(probe.area.width, 0);
        const Rgb ink = InkOf(shot, probe.area);
        EXPECT_TRUE(Near(ink, probe.colour)) << Describe(ink);
    }
    if (const char* out = std::getenv("MQ_EDITOR_SHOT")) {
        const std::string command = std::string("import -window root ") + out;
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
}
