// The text editor's services in real editor windows: the find and replace dialog pressed as a
// user would, the Spelling command, Cut and Paste through the desktop's clipboard, drops
// delivered to the editor's own drop target, wrapping to the printer's page, and printing into
// PDF files whose pages are rendered back.

#include "editors/QZEditStyles.h"
#include "editors/QZEditView.h"
#include "editors/QZFindReplaceState.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/InsertTextData.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WxInsertTextData.h"
#include "platform/ui/WxRichEditDropTarget.h"
#include "tests/editors/EditorFixture.h"
#include "tests/editors/PdfPrintService.h"
#include "tests/editors/ScriptedSpellEngine.h"
#include "tests/editors/SoundCounter.h"
#include "tests/platform/ui/UiTestHelpers.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/fdrepdlg.h>
#include <wx/image.h>
#include <wx/print.h>
#include <wx/radiobox.h>
#include <wx/stc/stc.h>
#include <wx/textctrl.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Records = std::vector<std::string>;

constexpr UINT kFind = ID_EDIT_FIND;
constexpr UINT kReplace = 57641;
constexpr UINT kSpelling = 32896;
constexpr UINT kPrintSetup = 57606;
constexpr UINT kPrint = 57607;
constexpr UINT kPrintDirect = 57608;
constexpr UINT kPrintPreview = 57609;

// The controls of the desktop's find dialog, in the order they were made.
template <class Control> std::vector<Control*> ControlsOf(wxWindow* window) {
    std::vector<Control*> found;
    for (wxWindow* child : window->GetChildren()) {
        if (auto* control = dynamic_cast<Control*>(child))
            found.push_back(control);
        for (Control* inner : ControlsOf<Control>(child))
            found.push_back(inner);
    }
    return found;
}

wxCheckBox* CheckBoxOf(wxWindow* dialog, const std::string& label) {
    for (wxCheckBox* box : ControlsOf<wxCheckBox>(dialog))
        if (box->GetLabel().utf8_string() == label)
            return box;
    return nullptr;
}

// A picture as another program would offer it (the toolkit carries pictures as PNG).
wxBitmapDataObject* NewPicture() {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    return new wxBitmapDataObject(wxBitmap(8, 8));
}

void Press(wxWindow* dialog, int id) {
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(dialog->FindWindow(id));
    dialog->GetEventHandler()->ProcessEvent(event);
}

} // namespace

class TextEditorServicesTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        QZFindReplaceState::Get().Reset();
    }
    void TearDown() override {
        EditorTest::TearDown();
        QZFindReplaceState::Get().Reset();
    }

    // Opens page 12 (or another row) with the text as body and as header.
    QZEditView* OpenPage(const std::string& text, const char* tab = "Edit", LONG id = 12) {
        AddKindRow(EditorKinds()[0], id, "Home", "ScriptBody, Header",
                   "'" + text + "', '" + text + "'");
        if (!Open(OBJ_PAGE, id))
            return nullptr;
        SettleWindows();
        QZEditView* view = ViewOf(tab);
        if (view)
            view->LoadFromObject();
        return view;
    }

    static std::string Selection(QZEditView& view) {
        LONG start = 0, end = 0;
        view.GetLogic().GetBuffer().GetSel(start, end);
        return start == end ? std::to_string(start)
                            : std::to_string(start) + "-" + std::to_string(end);
    }
    static Records Undo(QZEditView& view) {
        Records records;
        for (const QZUndoRedo& r : view.GetLogic().GetUndoList())
            records.push_back(r.m_strText.str() + "@" + std::to_string(r.m_nStart) + "-" +
                              std::to_string(r.m_nEnd) + "/" + std::to_string(r.m_nKind));
        return records;
    }
    void MakeReadOnly(QZEditView& view) {
        ActiveDocument()->GetContentObject()->m_bEditable = FALSE;
        view.OnInitialUpdate();
        ActiveDocument()->SetModifiedFlag(FALSE);
    }
};

// ---- Find and replace ----

TEST_F(TextEditorServicesTest, TheFindDialogFindsReplacesAndClosesAndAnotherEditorGetsItsTexts) {
    SoundCounter sounds;
    QZEditView* view = OpenPage("cat dog cat");
    ASSERT_NE(view, nullptr);
    Run(*view, kFind);
    CFindReplaceDialog* dialog = view->GetFindDialog();
    ASSERT_TRUE(dialog && dialog->IsOpen());
    EXPECT_TRUE(dialog->IsFindOnly());
    EXPECT_EQ(QZFindReplaceState::Get().m_pFindReplaceDlg, dialog);
    wxFindReplaceDialog* window = dialog->GetWx();
    for (wxRadioBox* direction : ControlsOf<wxRadioBox>(window))
        EXPECT_FALSE(direction->IsEnabled()) << "no direction choice";
    std::vector<wxTextCtrl*> fields = ControlsOf<wxTextCtrl>(window);
    ASSERT_EQ(fields.size(), 1u);
    fields[0]->SetValue("cat");
    Press(window, wxID_FIND);
    EXPECT_EQ(Selection(*view), "0-3");
    Press(window, wxID_FIND);
    EXPECT_EQ(Selection(*view), "8-11");
    EXPECT_EQ(sounds.count, 0);
    Press(window, wxID_FIND);
    EXPECT_EQ(sounds.count, 1) << "no wrap from the start: the sound";
    Press(window, wxID_CANCEL);
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(QZFindReplaceState::Get().m_pFindReplaceDlg, nullptr);
    SettleWindows();

    // Replace proposes the selected match; Replace replaces it and finds the next (wrapping).
    Run(*view, kReplace);
    dialog = view->GetFindDialog();
    ASSERT_TRUE(dialog && dialog->IsOpen());
    EXPECT_FALSE(dialog->IsFindOnly());
    window = dialog->GetWx();
    fields = ControlsOf<wxTextCtrl>(window);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0]->GetValue().utf8_string(), "cat");
    fields[1]->SetValue("cow");
    CheckBoxOf(window, "Match case")->SetValue(true);
    Press(window, wxID_REPLACE);
    EXPECT_EQ(Text(*view), "cat dog cow");
    EXPECT_EQ(Selection(*view), "0-3");
    Press(window, wxID_REPLACE_ALL);
    EXPECT_EQ(Text(*view), "cow dog cow");
    EXPECT_EQ(Undo(*view), (Records{"cat@8-11/0", "cow@8-11/0", "cat@0-3/0", "cow@0-3/0"}));
    EXPECT_EQ(sounds.count, 2) << "Replace All ends with the sound";
    EXPECT_TRUE(ActiveDocument()->IsModified());
    Press(window, wxID_CANCEL);
    SettleWindows();

    // The texts and options of the run come back in another editor.
    AddKindRow(EditorKinds()[1], 13, "Menu", "ScriptBody", "'Cat'");
    ASSERT_TRUE(Open(OBJ_MACRO, 13));
    SettleWindows();
    QZEditView* macro = ViewOf("Macro");
    ASSERT_NE(macro, nullptr);
    macro->LoadFromObject();
    Run(*macro, kReplace);
    ASSERT_TRUE(macro->GetFindDialog() && macro->GetFindDialog()->IsOpen());
    window = macro->GetFindDialog()->GetWx();
    fields = ControlsOf<wxTextCtrl>(window);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0]->GetValue().utf8_string(), "cat");
    EXPECT_EQ(fields[1]->GetValue().utf8_string(), "cow");
    EXPECT_TRUE(CheckBoxOf(window, "Match case")->GetValue());
    Press(window, wxID_FIND);
    EXPECT_EQ(Selection(*macro), "0") << "match case: \"Cat\" is not \"cat\"";
    EXPECT_EQ(sounds.count, 3);
    Press(window, wxID_CANCEL);
}

TEST_F(TextEditorServicesTest, FindIsGreyedOnAnEmptyTextAndAReadOnlyCopyIsOnlySearched) {
    QZEditView* empty = OpenPage("");
    ASSERT_NE(empty, nullptr);
    EXPECT_FALSE(Enabled(*empty, kFind));
    EXPECT_FALSE(Enabled(*empty, ID_EDIT_REPEAT));
    CloseAll();

    QZEditView* view = OpenPage("cat cat", "Edit", 14);
    ASSERT_NE(view, nullptr);
    MakeReadOnly(*view);
    EXPECT_TRUE(Enabled(*view, kFind));
    EXPECT_FALSE(Enabled(*view, kReplace));
    Run(*view, kReplace); // opened from the menu before the copy turned read-only
    ASSERT_TRUE(view->GetFindDialog());
    wxFindReplaceDialog* window = view->GetFindDialog()->GetWx();
    std::vector<wxTextCtrl*> fields = ControlsOf<wxTextCtrl>(window);
    ASSERT_EQ(fields.size(), 2u);
    fields[0]->SetValue("cat");
    fields[1]->SetValue("dog");
    Press(window, wxID_REPLACE);
    Press(window, wxID_REPLACE_ALL);
    EXPECT_EQ(Text(*view), "cat cat");
    EXPECT_TRUE(Undo(*view).empty());
    EXPECT_FALSE(ActiveDocument()->IsModified());
    Press(window, wxID_CANCEL);
}

TEST_F(TextEditorServicesTest, TheDialogGoesWithItsViewOrItsWindowAndOpensAgain) {
    QZEditView* view = OpenPage("cat");
    ASSERT_NE(view, nullptr);
    Run(*view, kFind);
    ASSERT_TRUE(view->GetFindDialog() && view->GetFindDialog()->IsOpen());
    // The window goes on its own, as with its owner window.
    view->GetFindDialog()->GetWx()->Destroy();
    SettleWindows();
    EXPECT_FALSE(view->GetFindDialog()->IsOpen());
    Run(*view, kFind);
    ASSERT_TRUE(view->GetFindDialog() && view->GetFindDialog()->IsOpen());
    // The view goes with its dialog open.
    CloseAll();
    SettleWindows();
    EXPECT_EQ(QZFindReplaceState::Get().m_pFindReplaceDlg, nullptr);
    view = OpenPage("cat", "Edit", 15);
    ASSERT_NE(view, nullptr);
    Run(*view, kFind);
    ASSERT_TRUE(view->GetFindDialog() && view->GetFindDialog()->IsOpen());
    wxFindReplaceDialog* window = view->GetFindDialog()->GetWx();
    ControlsOf<wxTextCtrl>(window)[0]->SetValue("cat");
    Press(window, wxID_FIND);
    EXPECT_EQ(Selection(*view), "0-3");
}

// ---- Spelling ----

TEST_F(TextEditorServicesTest, SpellingReplacesWordsInTheViewAndARreadOnlyCopyIsNotChecked) {
    QZEditView* view = OpenPage("Teh <b>cat</b> <<print Date>>");
    ASSERT_NE(view, nullptr);
    ScriptedSpellEngine engine(view->GetLogic().GetBuffer());
    engine.known = {"cat"};
    engine.answers = {{"Teh", {"The"}}};
    Run(*view, kSpelling);
    EXPECT_EQ(Text(*view), "The <b>cat</b> <<print Date>>");
    EXPECT_EQ(engine.asked, (std::vector<std::string>{"Teh"}));
    EXPECT_EQ(Undo(*view), (Records{"Teh@0-3/0", "The@0-3/0"}));
    EXPECT_EQ(m_boxes.texts(), (std::vector<std::string>{"Spell checking Complete"}));
    EXPECT_EQ(engine.endRuns, 1);
    EXPECT_TRUE(ActiveDocument()->IsModified());

    m_boxes.Clear();
    MakeReadOnly(*view);
    EXPECT_TRUE(Enabled(*view, kSpelling));
    Run(*view, kSpelling);
    EXPECT_EQ(m_boxes.texts(), (std::vector<std::string>{"This record is a Read Only copy"}));
    EXPECT_EQ(engine.asked.size(), 1u);
    EXPECT_FALSE(ActiveDocument()->IsModified());
}

// ---- Clipboard ----

namespace {

void PutOnClipboard(wxDataObject* data) {
    wxClipboardLocker lock;
    ASSERT_TRUE(!!lock);
    wxTheClipboard->SetData(data);
}

} // namespace

TEST_F(TextEditorServicesTest, PasteTakesPlainTextAndThePrivateFormatButNoPicture) {
    QZEditView* view = OpenPage("ab");
    ASSERT_NE(view, nullptr);
    QZRichEditCtrl& edit = view->GetEditCtrl();
    edit.SetSel(1, 1);
    PutOnClipboard(new wxTextDataObject("<b>x\ny"));
    EXPECT_TRUE(Enabled(*view, ID_EDIT_PASTE));
    Run(*view, ID_EDIT_PASTE);
    EXPECT_EQ(Text(*view), "a<b>x\r\nyb");
    EXPECT_EQ(Undo(*view), (Records{"@1-1/0", "<b>x\r\ny@1-8/0"}));
    EXPECT_EQ(Selection(*view), "8");
    EXPECT_EQ(edit.GetStyleAt(1), edit.ControlStyle(STYLE_TAG)) << "coloured like typed text";
    EXPECT_EQ(edit.GetStyleAt(7), edit.ControlStyle(STYLE_TEXT));

    ASSERT_TRUE(SetClipboardInsertText("<<macro :3>>", TRUE));
    edit.SetSel(0, 0);
    Run(*view, ID_EDIT_PASTE);
    EXPECT_EQ(Text(*view), "<<macro :3>>a<b>x\r\nyb");
    EXPECT_EQ(Undo(*view).size(), 4u);
    EXPECT_EQ(edit.GetStyleAt(3), edit.ControlStyle(STYLE_COMMAND));

    PutOnClipboard(NewPicture());
    EXPECT_FALSE(Enabled(*view, ID_EDIT_PASTE));
    Run(*view, ID_EDIT_PASTE);
    EXPECT_EQ(Undo(*view).size(), 4u);
}

TEST_F(TextEditorServicesTest, CutPutsTheTextOnTheClipboardAndUndoBringsItBack) {
    QZEditView* view = OpenPage("one two three");
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(Enabled(*view, ID_EDIT_CUT));
    view->GetEditCtrl().SetSel(4, 8);
    EXPECT_TRUE(Enabled(*view, ID_EDIT_CUT));
    Run(*view, ID_EDIT_CUT);
    EXPECT_EQ(Text(*view), "one three");
    CString clipboard;
    ASSERT_TRUE(GetClipboardInsertText(clipboard));
    EXPECT_EQ(clipboard.str(), "two ");
    EXPECT_EQ(Undo(*view), (Records{"two @4-8/0", "@4-4/0"}));
    Run(*view, 57643);
    EXPECT_EQ(Text(*view), "one two three");
}

TEST_F(TextEditorServicesTest, OnAReadOnlyCopyCutPasteAndDropsAreGreyedAndChangeNothing) {
    QZEditView* view = OpenPage("one two");
    ASSERT_NE(view, nullptr);
    MakeReadOnly(*view);
    view->GetEditCtrl().SetSel(0, 3);
    PutOnClipboard(new wxTextDataObject("x"));
    EXPECT_FALSE(Enabled(*view, ID_EDIT_CUT));
    EXPECT_FALSE(Enabled(*view, ID_EDIT_PASTE));
    EXPECT_TRUE(Enabled(*view, ID_EDIT_COPY));
    Run(*view, ID_EDIT_CUT);
    Run(*view, ID_EDIT_PASTE);
    auto* target =
        dynamic_cast<WxRichEditDropTarget*>(view->GetEditCtrl().GetSafeHwnd()->GetDropTarget());
    ASSERT_NE(target, nullptr);
    wxTextDataObject text("dropped");
    EXPECT_EQ(target->Drop(text, 1, 1, wxDragCopy), wxDragNone);
    wxFileDataObject files;
    files.AddFile("/tmp/a.html");
    EXPECT_EQ(target->Drop(files, 1, 1, wxDragCopy), wxDragNone);
    EXPECT_EQ(Text(*view), "one two");
    EXPECT_TRUE(Undo(*view).empty());
    EXPECT_FALSE(ActiveDocument()->IsModified());
}

// ---- Drops ----

class TextEditorDropTest : public TextEditorServicesTest {
protected:
    WxRichEditDropTarget* Target(QZEditView& view) {
        return dynamic_cast<WxRichEditDropTarget*>(
            view.GetEditCtrl().GetSafeHwnd()->GetDropTarget());
    }
    // A drop on the character at `position`.
    wxDragResult DropAt(QZEditView& view, const wxDataObject& data, LONG position,
                        wxDragResult effect) {
        const CPoint point = view.GetEditCtrl().PosFromChar(position);
        return Target(view)->Drop(data, point.x, point.y + 2, effect);
    }
};

TEST_F(TextEditorDropTest, TheEditorsOwnTargetTakesTextThePrivateFormatAndFilesButNoPicture) {
    QZEditView* view = OpenPage("ab cd");
    ASSERT_NE(view, nullptr);
    ASSERT_NE(Target(*view), nullptr) << "the control's own target gave way";
    wxTextDataObject text("x\ny");
    EXPECT_EQ(DropAt(*view, text, 2, wxDragCopy), wxDragCopy);
    EXPECT_EQ(Text(*view), "abx\r\ny cd");
    EXPECT_EQ(Selection(*view), "6");
    EXPECT_EQ(Undo(*view), (Records{"@2-2/0", "x\r\ny@2-6/0"}));

    std::unique_ptr<wxDataObjectComposite> tree(NewInsertTextDataObject("<<macro :3>>"));
    EXPECT_NE(DropAt(*view, *tree, 0, wxDragMove), wxDragNone);
    EXPECT_EQ(Text(*view), "<<macro :3>>abx\r\ny cd");
    EXPECT_EQ(Undo(*view).size(), 4u);

    std::unique_ptr<wxBitmapDataObject> picture(NewPicture());
    EXPECT_EQ(DropAt(*view, *picture, 0, wxDragCopy), wxDragNone);
    EXPECT_EQ(Undo(*view).size(), 4u);

    const std::string longPath = "/tmp/" + std::string(280, 'p') + "/page.html";
    wxFileDataObject files;
    files.AddFile("/tmp/My Pages/a b.html");
    files.AddFile(wxString::FromUTF8(longPath));
    view->GetEditCtrl().SetSel(0, 0);
    EXPECT_EQ(DropAt(*view, files, 5, wxDragCopy), wxDragCopy);
    EXPECT_EQ(Text(*view), "<<file \"/tmp/My Pages/a b.html\">><<file \"" + longPath +
                               "\">><<macro :3>>abx\r\ny cd");
    EXPECT_EQ(Undo(*view).size(), 8u) << "two file commands, a pair each";
    EXPECT_TRUE(ActiveDocument()->IsModified());
}

TEST_F(TextEditorDropTest, ADragWithinTheEditorMovesWithoutCtrlAndCopiesWithIt) {
    QZEditView* view = OpenPage("one two three");
    ASSERT_NE(view, nullptr);
    QZEditTransfer& transfer = view->GetTransfer();
    // The drag of "two " as the control starts it; its data is what the drag offers.
    std::unique_ptr<wxDataObjectComposite> dragged(NewInsertTextDataObject("two "));
    transfer.BeginDrag(4, 8);
    const wxDragResult moved = DropAt(*view, *dragged, 13, wxDragMove);
    transfer.EndDrag(moved == wxDragMove ? DROPEFFECT_MOVE : DROPEFFECT_NONE);
    EXPECT_EQ(moved, wxDragMove);
    EXPECT_EQ(Text(*view), "one threetwo ");
    EXPECT_EQ(Undo(*view), (Records{"two @4-8/1", "two @9-13/1"}));
    Run(*view, 57643);
    EXPECT_EQ(Text(*view), "one two three") << "one Undo puts it back at its source";
    EXPECT_EQ(Selection(*view), "4-8");
    Run(*view, 57644);
    EXPECT_EQ(Text(*view), "one threetwo ") << "Redo moves it again";

    transfer.BeginDrag(0, 4);
    std::unique_ptr<wxDataObjectComposite> copied(NewInsertTextDataObject("one "));
    const wxDragResult copy = DropAt(*view, *copied, 13, wxDragCopy);
    transfer.EndDrag(DROPEFFECT_COPY);
    EXPECT_EQ(copy, wxDragCopy);
    EXPECT_EQ(Text(*view), "one threetwo one ");
}

TEST_F(TextEditorDropTest, TheControlsOwnDragGivesWayToTheEditors) {
    QZEditView* view = OpenPage("one two three");
    ASSERT_NE(view, nullptr);
    view->GetEditCtrl().SetSel(4, 8);
    wxWindow* control = view->GetEditCtrl().GetSafeHwnd();
    wxStyledTextEvent start(wxEVT_STC_START_DRAG, control->GetId());
    start.SetEventObject(control);
    start.SetString("two ");
    control->GetEventHandler()->ProcessEvent(start);
    EXPECT_TRUE(start.GetString().empty()) << "the control drags nothing itself";
    EXPECT_FALSE(view->GetTransfer().IsDragging()) << "the editor's drag has ended";
    EXPECT_EQ(Text(*view), "one two three") << "no button held: nothing was dropped";
}

// ---- Wrapping and printing ----

namespace {

std::string PageText(int lines) {
    std::string text;
    for (int i = 1; i <= lines; ++i)
        text += "Line " + std::to_string(i) + " of the page text, long enough to show.\r\n";
    return text;
}

// Runs a job through the view and keeps the page starts it laid out before they are emptied.
class PageStartRecorder : public CPrintClient {
public:
    explicit PageStartRecorder(QZEditView& view) : m_view(view) {}
    BOOL OnPreparePrinting(CPrintInfo* info) override { return m_view.OnPreparePrinting(info); }
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override { m_view.OnBeginPrinting(dc, info); }
    void OnPrepareDC(CDC* dc, CPrintInfo* info) override { m_view.OnPrepareDC(dc, info); }
    void OnPrint(CDC* dc, CPrintInfo* info) override { m_view.OnPrint(dc, info); }
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override {
        starts = m_view.GetPageStarts();
        m_view.OnEndPrinting(dc, info);
    }
    std::vector<LONG> starts;

private:
    QZEditView& m_view;
};

} // namespace

TEST_F(TextEditorServicesTest, WrappingFollowsTheModeAndThePrintersPaper) {
    QZEditView* view = OpenPage("text");
    ASSERT_NE(view, nullptr);
    QZRichEditCtrl& edit = view->GetEditCtrl();
    EXPECT_EQ(view->GetWrapMode(), 1);
    EXPECT_FALSE(edit.IsTargetPrinter());
    EXPECT_EQ(edit.GetTargetLineWidth(), 0);
    view->SetWrapMode(0);
    EXPECT_EQ(edit.GetTargetLineWidth(), 1);
    view->SetWrapMode(2);
    EXPECT_TRUE(edit.IsTargetPrinter());
    EXPECT_EQ(edit.GetTargetLineWidth(), 12240 - 1000);

    view->OnPrinterChanged(CSize(11906, 16838)); // A4
    EXPECT_EQ(view->GetPaperSize(), CSize(11906, 16838));
    EXPECT_EQ(edit.GetTargetLineWidth(), 11906 - 1000);
    view->OnPrinterChanged(CSize(0, 0)); // no printer: letter
    EXPECT_EQ(edit.GetTargetLineWidth(), 12240 - 1000);

    // Print Setup is the application's; its paper reaches the open views.
    TempDir dir;
    PdfPrintService pdf(dir.file("unused.pdf"));
    pdf.setupWidthMM = 210;
    pdf.setupHeightMM = 297;
    ASSERT_NE(AfxGetMainWnd(), nullptr);
    AfxGetMainWnd()->SendMessage(WM_COMMAND, kPrintSetup, 0);
    EXPECT_EQ(pdf.setups, 1);
    EXPECT_EQ(view->GetPaperSize(), CSize(11906, 16838));
    EXPECT_EQ(edit.GetTargetLineWidth(), 11906 - 1000);
    SetPrinterPaperMM(216, 279);
}

TEST_F(TextEditorServicesTest, APageTextOfThreeHundredLinesPrintsOnLetterPagesInsideTheMargins) {
    const std::string text = PageText(300);
    QZEditView* view = OpenPage(text);
    ASSERT_NE(view, nullptr);
    TempDir dir;
    const std::string file = dir.file("page.pdf");
    PdfPrintService pdf(file);
    PageStartRecorder recorder(*view);
    ASSERT_TRUE(pdf.Print(nullptr, recorder, PRINT_WITH_DIALOG, "Home"));

    // The table of page starts: from 0, growing, each page starting a line.
    ASSERT_GE(recorder.starts.size(), 3u);
    EXPECT_EQ(recorder.starts[0], 0);
    for (size_t i = 1; i < recorder.starts.size(); ++i) {
        EXPECT_GT(recorder.starts[i], recorder.starts[i - 1]);
        EXPECT_EQ(text.substr(recorder.starts[i] - 2, 2), "\r\n") << "page " << i + 1;
    }
    EXPECT_TRUE(view->GetPageStarts().empty()) << "emptied after printing";
    EXPECT_EQ(pdf.pagesPrinted, static_cast<int>(recorder.starts.size()));

    const std::vector<GreyPage> pages = RenderPdfPages(file, 72);
    ASSERT_EQ(pages.size(), recorder.starts.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const GreyPage& page = pages[i];
        EXPECT_EQ(page.width, 612);
        EXPECT_EQ(page.height, 792);
        ASSERT_FALSE(page.Blank());
        // 500 twips are 25 points.
        EXPECT_GE(page.inkLeft, 25);
        EXPECT_GE(page.inkTop, 25);
        EXPECT_LE(page.inkRight, 612 - 25);
        EXPECT_LE(page.inkBottom, 792 - 25);
    }
    if (const char* out = std::getenv("MQ_PRINT_SHOT")) {
        const std::string command = "pdftoppm -png -r 60 -f 1 -l 1 '" + file + "' " + out;
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
}

TEST_F(TextEditorServicesTest, ThePrintCommandsRunTheirJobsAndTheHeaderPrintsTheSamePages) {
    const std::string text = PageText(120);
    QZEditView* body = OpenPage(text);
    ASSERT_NE(body, nullptr);
    QZEditView* header = ViewOf("Header");
    ASSERT_NE(header, nullptr);
    header->LoadFromObject();
    TempDir dir;
    {
        PdfPrintService pdf(dir.file("body.pdf"));
        Run(*body, kPrint);
        Run(*body, kPrintDirect);
        Run(*body, kPrintPreview);
        EXPECT_EQ(pdf.jobs,
                  (std::vector<PrintJobKind>{PRINT_WITH_DIALOG, PRINT_DIRECT, PRINT_PREVIEW}));
    }
    {
        PdfPrintService pdf(dir.file("header.pdf"));
        Run(*header, kPrintDirect);
        EXPECT_TRUE(header->GetPageStarts().empty());
    }
    const std::vector<GreyPage> bodyPages = RenderPdfPages(dir.file("body.pdf"), 50);
    const std::vector<GreyPage> headerPages = RenderPdfPages(dir.file("header.pdf"), 50);
    ASSERT_GE(bodyPages.size(), 2u);
    ASSERT_EQ(headerPages.size(), bodyPages.size());
    for (size_t i = 0; i < bodyPages.size(); ++i)
        EXPECT_TRUE(headerPages[i].pixels == bodyPages[i].pixels) << "page " << i + 1;
}

TEST_F(TextEditorServicesTest, PrintPreviewOpensTheToolkitsPreviewFrame) {
    QZEditView* view = OpenPage(PageText(80));
    ASSERT_NE(view, nullptr);
    Run(*view, kPrintPreview);
    wxPreviewFrame* frame = nullptr;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* preview = dynamic_cast<wxPreviewFrame*>(window))
            frame = preview;
    ASSERT_NE(frame, nullptr);
    frame->SetSize(700, 800);
    for (int i = 0; i < 10; ++i) {
        SettleWindows();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    if (const char* out = std::getenv("MQ_PREVIEW_SHOT")) {
        const std::string command = std::string("import -window root ") + out;
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    frame->Close(true);
    SettleWindows();
    EXPECT_TRUE(view->GetPageStarts().empty());

    // A preview still open when its editor closes goes with it.
    Run(*view, kPrintPreview);
    SettleWindows();
    CloseAll();
    SettleWindows();
    for (wxWindow* window : wxTopLevelWindows)
        EXPECT_EQ(dynamic_cast<wxPreviewFrame*>(window), nullptr);
}

TEST_F(TextEditorServicesTest, EveryTextTabPrintsWithTheSameStepsAndEmptiesItsTable) {
    struct Tab {
        size_t kind;
        SHORT type;
        const char* caption;
        const char* column;
    };
    const Tab tabs[] = {{1, OBJ_MACRO, "Macro", "ScriptBody"},
                        {2, OBJ_SCRIPT, "Script", "ScriptBody"},
                        {8, OBJ_FORM, "Form", "ScriptBody"},
                        {8, OBJ_FORM, "Action", "ActionBody"}};
    TempDir dir;
    LONG id = 20;
    for (const Tab& tab : tabs) {
        SCOPED_TRACE(tab.caption);
        ++id;
        AddKindRow(EditorKinds()[tab.kind], id, "Home", tab.column, "'" + PageText(70) + "'");
        ASSERT_TRUE(Open(tab.type, id));
        SettleWindows();
        QZEditView* view = ViewOf(tab.caption);
        ASSERT_NE(view, nullptr);
        view->LoadFromObject();
        PdfPrintService pdf(dir.file(std::string(tab.caption) + ".pdf"));
        PageStartRecorder recorder(*view);
        ASSERT_TRUE(pdf.Print(nullptr, recorder, PRINT_DIRECT, tab.caption));
        EXPECT_EQ(recorder.starts.size(), 2u);
        EXPECT_TRUE(view->GetPageStarts().empty());
        Run(*view, kPrintDirect);
        EXPECT_EQ(pdf.pagesPrinted, 4);
        EXPECT_TRUE(view->GetPageStarts().empty());
        CloseAll();
    }
}
