#include "platform/core/MessageBox.h"
#include "platform/core/StringTable.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPropertyPage.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/SheetScript.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/checkbox.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

constexpr UINT kCheckId = 8101;
constexpr UINT kGammaCaption = 8199;

constexpr DWORD kPageStyle = DS_SETFONT | WS_CHILD | WS_DISABLED | WS_CAPTION;
const DialogItemTemplate kPageItems[] = {
    {8100, "Static", "A page of the sheet", WS_CHILD | WS_VISIBLE | SS_LEFT, 7, 7, 100, 8},
    {kCheckId, "Button", "&Option", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 7, 20, 80,
     10},
};
const DialogTemplate kAlpha{7311, kPageStyle, "Alpha", "MS Sans Serif", 8, 0,
                            0,    120,        60,      kPageItems,      2};
const DialogTemplate kBeta{7312, kPageStyle, "Beta", "MS Sans Serif", 8, 0,
                           0,    150,        90,     kPageItems,      2};
const DialogTemplate kGamma{7313, kPageStyle, "", "MS Sans Serif", 8, 0, 0, 100, 50, kPageItems, 2};
const DialogTemplate kDelta{7314, kPageStyle, "Delta", "MS Sans Serif", 8, 0,
                            0,    220,        130,     kPageItems,      2};
const DialogItemTemplate kUnknownItem[] = {{8110, "SysListView32", "", WS_CHILD, 0, 0, 9, 9}};
const DialogTemplate kBroken{7315, kPageStyle, "Broken", "", 8, 0, 0, 50, 50, kUnknownItem, 1};
const DialogTemplate* const kTemplates[] = {&kAlpha, &kBeta, &kGamma, &kDelta, &kBroken};

// A page that writes what the sheet asks of it into the test's log ("A apply", ...) and
// answers as the test sets it up.
class LoggingPage : public CPropertyPage {
public:
    LoggingPage(const char* name, const DialogTemplate& dialog, Log& log, UINT caption = 0)
        : CPropertyPage(dialog.id, caption), m_name(name), m_log(log) {}

    BOOL OnInitDialog() override {
        Say("init");
        parentAtInit = GetParent();
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        Say("set");
        if (buttons)
            static_cast<CPropertySheet*>(GetParent())->SetWizardButtons(buttons);
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        Say("kill");
        return CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override {
        Say("apply");
        if (refusedApplies > 0) {
            --refusedApplies;
            return FALSE;
        }
        return CPropertyPage::OnApply();
    }
    void OnOK() override { ++oks; }
    void OnCancel() override { Say("cancel"); }
    LRESULT OnWizardNext() override {
        Say("next");
        if (onNext)
            onNext();
        return Answer(nextAnswers);
    }
    LRESULT OnWizardBack() override {
        Say("back");
        return Answer(backAnswers);
    }
    BOOL OnWizardFinish() override {
        Say("finish");
        return Answer(finishAnswers) == 0;
    }

    bool refuseExchange = false;
    int refusedApplies = 0;
    DWORD buttons = 0;
    // Answers of the wizard handlers, first to last; then 0 (go on).
    std::vector<LRESULT> nextAnswers, backAnswers, finishAnswers;
    std::function<void()> onNext;
    int checked = 0;
    int oks = 0;
    CWnd* parentAtInit = nullptr;
    CButton check;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kCheckId, check);
        if (!pDX->m_bSaveAndValidate) {
            check.SetCheck(checked);
            return;
        }
        if (refuseExchange)
            pDX->Fail();
        checked = check.GetCheck();
    }

private:
    void Say(const char* what) { m_log.push_back(m_name + " " + what); }
    static LRESULT Answer(std::vector<LRESULT>& answers) {
        if (answers.empty())
            return 0;
        const LRESULT answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    std::string m_name;
    Log& m_log;
};

class PropertySheetTest : public ::testing::Test {
protected:
    PropertySheetTest() {
        for (const DialogTemplate* t : kTemplates)
            DialogTemplates::Register(t->id, t);
        StringTable::Register(kGammaCaption, "Gamma");
    }
    ~PropertySheetTest() override {
        for (const DialogTemplate* t : kTemplates)
            DialogTemplates::Register(t->id, nullptr);
        StringTable::Register(kGammaCaption, nullptr);
        SettleWindows();
    }

    // The user's check box on the page shown.
    static void Tick(CPropertyPage& page, bool on) {
        auto* box = dynamic_cast<wxCheckBox*>(page.GetDlgItem(kCheckId)->GetSafeHwnd());
        ASSERT_NE(box, nullptr);
        box->SetValue(on);
    }

    Log log;
    LoggingPage a{"A", kAlpha, log};
    LoggingPage b{"B", kBeta, log};
    LoggingPage c{"C", kGamma, log, kGammaCaption};
};

TEST_F(PropertySheetTest, OkAppliesThePagesShownInTabOrder) {
    CPropertySheet sheet("Settings");
    for (LoggingPage* page : {&a, &b, &c})
        sheet.AddPage(page);
    SheetScript user({
        [&](wxDialog& d) {
            EXPECT_EQ(d.GetTitle(), "Settings");
            wxNotebook* tabs = Tabs(d);
            ASSERT_NE(tabs, nullptr);
            ASSERT_EQ(tabs->GetPageCount(), 3u);
            // Captions from the templates, or from the string table when the page names one.
            EXPECT_EQ(tabs->GetPageText(0), "Alpha");
            EXPECT_EQ(tabs->GetPageText(1), "Beta");
            EXPECT_EQ(tabs->GetPageText(2), "Gamma");
            EXPECT_EQ(SheetButton(d, ID_WIZNEXT), nullptr);
            ChooseTab(d, 2);
        },
        [&](wxDialog& d) {
            ASSERT_NE(Tabs(d), nullptr);
            EXPECT_EQ(Tabs(d)->GetSelection(), 2);
            EXPECT_EQ(ShownTab(d), 2);
            EXPECT_EQ(sheet.GetActivePage(), &c);
            sheet.SetTitle("Other settings");
            EXPECT_EQ(d.GetTitle(), "Other settings");
            Click(d, IDOK);
        },
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(user.StepsLeft(), 0u);
    EXPECT_EQ(
        log, (Log{"A init", "A set", "A kill", "C init", "C set", "C kill", "A apply", "C apply"}));
    EXPECT_EQ(a.oks + c.oks, 2);
    EXPECT_EQ(b.oks, 0);
    EXPECT_EQ(a.parentAtInit, &sheet);
    EXPECT_EQ(sheet.GetSafeHwnd(), nullptr);
    EXPECT_EQ(a.GetSafeHwnd(), nullptr);
}

TEST_F(PropertySheetTest, ControlsAreReadOnLeavingAndShownAgainOnReturning) {
    CPropertySheet sheet("Settings");
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    SheetScript user({
        [&](wxDialog& d) {
            Tick(a, true);
            ChooseTab(d, 1);
        },
        [&](wxDialog& d) {
            EXPECT_EQ(a.checked, BST_CHECKED);
            a.checked = BST_UNCHECKED;
            ChooseTab(d, 0);
        },
        [&](wxDialog& d) {
            // Every showing after the first puts the members back into the controls.
            EXPECT_EQ(a.check.GetCheck(), BST_UNCHECKED);
            Click(d, IDCANCEL);
        },
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(user.StepsLeft(), 0u);
}

TEST_F(PropertySheetTest, ARefusedExchangeKeepsThePage) {
    CPropertySheet sheet("Settings");
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    a.refuseExchange = true;
    SheetScript user({
        [&](wxDialog& d) {
            Tick(a, true);
            ChooseTab(d, 1);
        },
        [&](wxDialog& d) {
            ASSERT_NE(Tabs(d), nullptr);
            EXPECT_EQ(Tabs(d)->GetSelection(), 0);
            EXPECT_EQ(ShownTab(d), 0);
            EXPECT_EQ(sheet.GetActivePage(), &a);
            EXPECT_EQ(b.GetSafeHwnd(), nullptr);
            Click(d, IDOK);
        },
        [&](wxDialog& d) {
            EXPECT_TRUE(d.IsModal()) << "OK went past a refused exchange";
            a.refuseExchange = false;
            Click(d, IDOK);
        },
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(user.StepsLeft(), 0u);
    EXPECT_EQ(log, (Log{"A init", "A set", "A kill", "A kill", "A kill", "A apply"}));
    EXPECT_EQ(a.checked, BST_CHECKED);
}

TEST_F(PropertySheetTest, ARefusedApplyKeepsTheSheetOpenOnThatPage) {
    CPropertySheet sheet("Settings");
    for (LoggingPage* page : {&a, &b, &c})
        sheet.AddPage(page);
    b.refusedApplies = 1;
    SheetScript user({
        [&](wxDialog& d) { ChooseTab(d, 1); },
        [&](wxDialog& d) { ChooseTab(d, 2); },
        [&](wxDialog& d) {
            log.clear();
            Click(d, IDOK);
        },
        [&](wxDialog& d) {
            EXPECT_TRUE(d.IsModal());
            EXPECT_EQ(ShownTab(d), 1);
            EXPECT_EQ(sheet.GetActivePage(), &b);
            EXPECT_EQ(log, (Log{"C kill", "A apply", "B apply", "B set"}));
            log.clear();
            Click(d, IDOK);
        },
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(user.StepsLeft(), 0u);
    EXPECT_EQ(log, (Log{"B kill", "A apply", "B apply", "C apply"}));
}

TEST_F(PropertySheetTest, CancelRunsOnCancelOfEachPageShown) {
    const std::vector<std::pair<const char*, SheetScript::Step>> ways = {
        {"button", [](wxDialog& d) { Click(d, IDCANCEL); }},
        {"Escape", [](wxDialog& d) { PressKey(&d, WXK_ESCAPE); }},
        {"close box", [](wxDialog& d) { d.Close(); }},
    };
    for (const auto& [way, cancel] : ways) {
        log.clear();
        CPropertySheet sheet("Settings");
        for (LoggingPage* page : {&a, &b, &c})
            sheet.AddPage(page);
        SheetScript user({[](wxDialog& d) { ChooseTab(d, 2); }, cancel});
        EXPECT_EQ(sheet.DoModal(), IDCANCEL) << way;
        EXPECT_EQ(user.StepsLeft(), 0u) << way;
        EXPECT_EQ(log,
                  (Log{"A init", "A set", "A kill", "C init", "C set", "A cancel", "C cancel"}))
            << way;
    }
}

TEST_F(PropertySheetTest, EnterPressesOk) {
    CPropertySheet sheet("Settings");
    sheet.AddPage(&a);
    SheetScript user({[](wxDialog& d) { PressKey(&d, WXK_RETURN); }});
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(log, (Log{"A init", "A set", "A kill", "A apply"}));
}

TEST_F(PropertySheetTest, PagesAreAddedAndRemovedWhileTheSheetRuns) {
    LoggingPage d{"D", kDelta, log};
    CPropertySheet sheet("Settings", nullptr, 1);
    for (LoggingPage* page : {&a, &b, &c})
        sheet.AddPage(page);
    EXPECT_EQ(sheet.GetActivePage(), &b);
    wxSize before;
    SheetScript user({
        [&](wxDialog& dlg) {
            before = dlg.GetClientSize();
            sheet.AddPage(&d);
            sheet.RemovePage(&a); // never shown
            EXPECT_EQ(sheet.GetPageCount(), 3);
            EXPECT_EQ(sheet.GetPage(2), &d);
            EXPECT_EQ(sheet.GetPageIndex(&a), -1);
            EXPECT_EQ(sheet.GetActiveIndex(), 0);
            wxNotebook* tabs = Tabs(dlg);
            ASSERT_EQ(tabs->GetPageCount(), 3u);
            EXPECT_EQ(tabs->GetPageText(0), "Beta");
            EXPECT_EQ(tabs->GetPageText(2), "Delta");
            EXPECT_EQ(tabs->GetSelection(), 0);
            ChooseTab(dlg, 2);
        },
        [&](wxDialog& dlg) {
            // The sheet grew to fit the larger page.
            const wxSize page = d.GetSafeHwnd()->GetSize();
            const wxSize wanted = d.GetSafeHwnd()->ConvertDialogToPixels(wxSize(220, 130));
            EXPECT_GE(page.x, wanted.x);
            EXPECT_GE(page.y, wanted.y);
            EXPECT_GT(dlg.GetClientSize().x, before.x);
            // Taking out the page shown shows the page now at its place.
            sheet.RemovePage(&d);
            EXPECT_EQ(d.GetSafeHwnd(), nullptr);
            EXPECT_EQ(sheet.GetActivePage(), &c);
            EXPECT_EQ(ShownTab(dlg), 1);
            Click(dlg, IDOK);
        },
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(user.StepsLeft(), 0u);
    EXPECT_EQ(log, (Log{"B init", "B set", "B kill", "D init", "D set", "C init", "C set", "C kill",
                        "B apply", "C apply"}));
}

TEST_F(PropertySheetTest, TheSheetFitsItsLargestPage) {
    CPropertySheet sheet("Settings");
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    SheetScript user({[&](wxDialog& d) {
        const wxSize page = a.GetSafeHwnd()->GetSize();
        const wxSize beta = a.GetSafeHwnd()->ConvertDialogToPixels(wxSize(150, 90));
        EXPECT_GE(page.x, beta.x);
        EXPECT_GE(page.y, beta.y);
        SaveScreenshot(d, "property-sheet.png");
        Click(d, IDCANCEL);
    }});
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

TEST_F(PropertySheetTest, SheetsThatCannotShowAnswerMinusOne) {
    LoggingPage broken{"X", kBroken, log};
    SettleWindows();
    const size_t windows = LiveTopLevelWindows();
    CPropertySheet empty("Empty");
    EXPECT_EQ(empty.DoModal(), -1);
    CPropertySheet sheet("Broken");
    sheet.AddPage(&broken);
    EXPECT_EQ(sheet.DoModal(), -1);
    EXPECT_TRUE(log.empty());
    SettleWindows();
    EXPECT_EQ(LiveTopLevelWindows(), windows);
}

// A sheet whose own initialisation runs around the base's, and which keeps its result when
// its window goes, as the program's sheets do.
class OwnSheet : public CPropertySheet {
public:
    OwnSheet(LoggingPage& first, LoggingPage& second) : CPropertySheet("Own") {
        AddPage(&first);
        AddPage(&second);
    }
    BOOL OnInitDialog() override {
        pagesBefore = GetPage(0)->GetSafeHwnd() != nullptr;
        const BOOL result = CPropertySheet::OnInitDialog();
        controlAfter = GetPage(0)->GetDlgItem(kCheckId) != nullptr;
        GetPage(0)->GetDlgItem(kCheckId)->EnableWindow(FALSE);
        return result;
    }
    BOOL DestroyWindow() override {
        activeAtDestroy = GetActiveIndex();
        return CPropertySheet::DestroyWindow();
    }
    bool pagesBefore = true, controlAfter = false;
    int activeAtDestroy = -1;
};

TEST_F(PropertySheetTest, ASheetsInitialisationFindsTheFirstPageMadeByTheBase) {
    OwnSheet sheet(a, b);
    SheetScript user({[&](wxDialog& d) {
                          EXPECT_FALSE(a.GetDlgItem(kCheckId)->IsWindowEnabled());
                          ChooseTab(d, 1);
                      },
                      [](wxDialog& d) { Click(d, IDOK); }});
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_FALSE(sheet.pagesBefore);
    EXPECT_TRUE(sheet.controlAfter);
    EXPECT_EQ(sheet.activeAtDestroy, 1);
}

class WizardTest : public PropertySheetTest {
protected:
    WizardTest() {
        sheet.SetWizardMode();
        a.buttons = PSWIZB_NEXT;
        b.buttons = PSWIZB_BACK | PSWIZB_NEXT;
        c.buttons = PSWIZB_BACK | PSWIZB_FINISH;
        for (LoggingPage* page : {&a, &b, &c})
            sheet.AddPage(page);
    }

    static bool Usable(wxDialog& d, int id) {
        wxButton* button = SheetButton(d, id);
        return button && button->IsShown() && button->IsEnabled();
    }

    CPropertySheet sheet{"Wizard"};
};

TEST_F(WizardTest, BackNextAndFinishWalkThePagesAndMinusOneStays) {
    b.nextAnswers = {-1};
    c.finishAnswers = {1}; // refused once
    SheetScript user({
        [&](wxDialog& d) {
            EXPECT_EQ(Tabs(d), nullptr);
            EXPECT_EQ(d.GetTitle(), "Alpha"); // a wizard shows the page's caption
            EXPECT_FALSE(Usable(d, ID_WIZBACK));
            EXPECT_TRUE(Usable(d, ID_WIZNEXT));
            EXPECT_FALSE(SheetButton(d, ID_WIZFINISH)->IsShown());
            EXPECT_EQ(SheetButton(d, IDOK), nullptr);
            SaveScreenshot(d, "wizard-page.png");
            Click(d, ID_WIZNEXT);
        },
        [&](wxDialog& d) {
            EXPECT_EQ(sheet.GetActivePage(), &b);
            EXPECT_TRUE(Usable(d, ID_WIZBACK));
            Click(d, ID_WIZNEXT); // -1: stays
        },
        [&](wxDialog& d) {
            EXPECT_EQ(sheet.GetActivePage(), &b);
            EXPECT_TRUE(b.IsWindowVisible());
            EXPECT_FALSE(a.IsWindowVisible());
            Click(d, ID_WIZNEXT);
        },
        [&](wxDialog& d) {
            EXPECT_EQ(sheet.GetActivePage(), &c);
            EXPECT_EQ(d.GetTitle(), "Gamma");
            EXPECT_FALSE(SheetButton(d, ID_WIZNEXT)->IsShown());
            EXPECT_TRUE(Usable(d, ID_WIZFINISH));
            EXPECT_EQ(SheetButton(d, ID_WIZFINISH)->GetLabel(), "Finish");
            Click(d, ID_WIZBACK);
        },
        [&](wxDialog& d) {
            EXPECT_EQ(sheet.GetActivePage(), &b);
            EXPECT_TRUE(Usable(d, ID_WIZNEXT));
            Click(d, ID_WIZNEXT);
        },
        [&](wxDialog& d) { Click(d, ID_WIZFINISH); },
        [&](wxDialog& d) {
            EXPECT_TRUE(d.IsModal()) << "a refused Finish ended the wizard";
            Click(d, ID_WIZFINISH);
        },
    });
    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(user.StepsLeft(), 0u);
    EXPECT_EQ(log, (Log{"A init", "A set", "A next", "A kill", "B init", "B set", "B next",
                        "B next", "B kill", "C init", "C set", "C back", "C kill", "B set",
                        "B next", "B kill", "C set", "C finish", "C finish"}));
}

TEST_F(WizardTest, NextCanJumpToAPageByItsTemplate) {
    a.nextAnswers = {static_cast<LRESULT>(kGamma.id)};
    SheetScript user({[](wxDialog& d) { Click(d, ID_WIZNEXT); },
                      [&](wxDialog& d) {
                          EXPECT_EQ(sheet.GetActivePage(), &c);
                          EXPECT_EQ(b.GetSafeHwnd(), nullptr);
                          Click(d, IDCANCEL);
                      }});
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(user.StepsLeft(), 0u);
    EXPECT_EQ(log, (Log{"A init", "A set", "A next", "A kill", "C init", "C set", "A cancel",
                        "C cancel"}));
}

TEST_F(WizardTest, PagesRebuiltByNextAreTheOnesNextShows) {
    LoggingPage d{"D", kGamma, log}; // no caption of its own
    // As a wizard that chooses its later pages from an answer on this one.
    a.onNext = [&] {
        while (sheet.GetPageCount() > 1)
            sheet.RemovePage(1);
        sheet.AddPage(&d);
        sheet.AddPage(&b);
    };
    SheetScript user({[](wxDialog& dlg) { Click(dlg, ID_WIZNEXT); },
                      [&](wxDialog& dlg) {
                          EXPECT_EQ(sheet.GetActivePage(), &d);
                          EXPECT_EQ(sheet.GetPageCount(), 3);
                          EXPECT_EQ(dlg.GetTitle(), "Wizard"); // the sheet's caption
                          Click(dlg, ID_WIZNEXT);
                      },
                      [&](wxDialog& dlg) {
                          EXPECT_EQ(sheet.GetActivePage(), &b);
                          PressKey(&dlg, WXK_ESCAPE);
                      }});
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(user.StepsLeft(), 0u);
    EXPECT_EQ(log, (Log{"A init", "A set", "A next", "A kill", "D init", "D set", "D next",
                        "D kill", "B init", "B set", "A cancel", "D cancel", "B cancel"}));
}

TEST_F(WizardTest, DisabledFinishShowsGreyUntilEnabledAndEnterPressesIt) {
    a.buttons = PSWIZB_DISABLEDFINISH;
    SheetScript user({[&](wxDialog& d) {
                          wxButton* finish = SheetButton(d, ID_WIZFINISH);
                          EXPECT_TRUE(finish->IsShown());
                          EXPECT_FALSE(finish->IsEnabled());
                          EXPECT_FALSE(SheetButton(d, ID_WIZNEXT)->IsShown());
                          PressKey(&d, WXK_RETURN); // nothing to press
                      },
                      [&](wxDialog& d) {
                          EXPECT_TRUE(d.IsModal());
                          sheet.SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
                          EXPECT_TRUE(Usable(d, ID_WIZFINISH));
                          PressKey(&d, WXK_RETURN);
                      }});
    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(user.StepsLeft(), 0u);
    EXPECT_EQ(log, (Log{"A init", "A set", "A finish"}));
}

TEST_F(WizardTest, ARefusedExchangeKeepsTheWizardOnItsPage) {
    a.refuseExchange = true;
    SheetScript user({[](wxDialog& d) { Click(d, ID_WIZNEXT); },
                      [&](wxDialog& d) {
                          EXPECT_EQ(sheet.GetActivePage(), &a);
                          d.Close();
                      }});
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(log, (Log{"A init", "A set", "A next", "A kill", "A cancel"}));
}

} // namespace
