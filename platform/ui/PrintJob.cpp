#include "platform/ui/PrintJob.h"

#include "platform/core/ReplaceableService.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/WxClientPrintout.h"
#include "platform/ui/WxText.h"

#include <wx/app.h>
#include <wx/cmndata.h>
#include <wx/paper.h>
#include <wx/printdlg.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// The application's printer settings, shared by every job and by Print Setup.
wxPrintDialogData& Settings() {
    static wxPrintDialogData data;
    return data;
}

// The preview frames open, with the client whose pages each shows.
std::vector<std::pair<CPrintClient*, wxPreviewFrame*>>& OpenPreviews() {
    static std::vector<std::pair<CPrintClient*, wxPreviewFrame*>> previews;
    return previews;
}

void ForgetPreview(wxPreviewFrame* frame) {
    auto& previews = OpenPreviews();
    previews.erase(std::remove_if(previews.begin(), previews.end(),
                                  [frame](const auto& open) { return open.second == frame; }),
                   previews.end());
}

wxWindow* TopOf(CWnd* parent) {
    wxWindow* window = parent ? parent->GetSafeHwnd() : nullptr;
    return window ? wxGetTopLevelParent(window) : wxTheApp->GetTopWindow();
}

// Jobs on the desktop's printers, the preview in wx's preview frame.
class DesktopPrintService : public PrintService {
public:
    BOOL Print(CWnd* parent, CPrintClient& client, PrintJobKind kind,
               const CString& title) override {
        CPrintInfo info;
        info.m_bDirect = kind == PRINT_DIRECT;
        info.m_bPreview = kind == PRINT_PREVIEW;
        if (!client.OnPreparePrinting(&info))
            return FALSE;
        if (kind == PRINT_PREVIEW)
            return Preview(parent, client, title, info);
        wxPrinter printer(&Settings());
        WxClientPrintout printout(client, ToWx(title), info);
        const bool printed = printer.Print(TopOf(parent), &printout, kind == PRINT_WITH_DIALOG);
        if (printed)
            Settings() = printer.GetPrintDialogData();
        return printed ? TRUE : FALSE;
    }

    BOOL PrintSetup(CWnd* parent) override {
        wxPageSetupDialogData page(Settings().GetPrintData());
        wxPageSetupDialog dialog(TopOf(parent), &page);
        if (dialog.ShowModal() != wxID_OK)
            return FALSE;
        Settings().SetPrintData(dialog.GetPageSetupDialogData().GetPrintData());
        return TRUE;
    }

private:
    static BOOL Preview(CWnd* parent, CPrintClient& client, const CString& title,
                        const CPrintInfo& info) {
        CPrintInfo printing = info;
        printing.m_bPreview = FALSE;
        auto* preview =
            new wxPrintPreview(new WxClientPrintout(client, ToWx(title), info),
                               new WxClientPrintout(client, ToWx(title), printing), &Settings());
        if (!preview->IsOk()) {
            delete preview;
            return FALSE;
        }
        auto* frame = new wxPreviewFrame(preview, TopOf(parent), "Print Preview");
        OpenPreviews().emplace_back(&client, frame);
        frame->Bind(wxEVT_DESTROY, [frame](wxWindowDestroyEvent& event) {
            event.Skip();
            if (event.GetEventObject() == frame)
                ForgetPreview(frame);
        });
        frame->Initialize();
        frame->Show();
        return TRUE;
    }
};

ReplaceableService<PrintService, DesktopPrintService> g_printService;

int MillimetresToTwips(double mm) {
    return static_cast<int>(std::lround(mm * 1440.0 / 25.4));
}

} // namespace

void ClosePrintPreviewsOf(CPrintClient& client) {
    const auto previews = OpenPreviews();
    for (const auto& [shown, frame] : previews)
        if (shown == &client) {
            ForgetPreview(frame);
            frame->Hide();
            frame->Destroy();
        }
}

PrintService& GetPrintService() {
    return g_printService.Get();
}

PrintService* SetPrintService(PrintService* service) {
    return g_printService.Replace(service);
}

CSize GetPrinterPaperTwips() {
    const wxPrintData& data = Settings().GetPrintData();
    wxSize tenthsMM;
    if (data.GetPaperId() != wxPAPER_NONE && wxThePrintPaperDatabase)
        tenthsMM = wxThePrintPaperDatabase->GetSize(data.GetPaperId());
    else if (data.GetPaperSize().GetWidth() > 0)
        tenthsMM = data.GetPaperSize() * 10;
    if (tenthsMM.GetWidth() <= 0 || tenthsMM.GetHeight() <= 0)
        return CSize(0, 0);
    CSize twips(MillimetresToTwips(tenthsMM.GetWidth() / 10.0),
                MillimetresToTwips(tenthsMM.GetHeight() / 10.0));
    if (data.GetOrientation() == wxLANDSCAPE)
        std::swap(twips.cx, twips.cy);
    return twips;
}

void SetPrinterPaperMM(int widthMM, int heightMM) {
    wxPrintData data = Settings().GetPrintData();
    const wxPaperSize id =
        wxThePrintPaperDatabase
            ? wxThePrintPaperDatabase->GetSize(wxSize(widthMM * 10, heightMM * 10))
            : wxPAPER_NONE;
    data.SetPaperId(id);
    if (id == wxPAPER_NONE)
        data.SetPaperSize(wxSize(widthMM, heightMM));
    data.SetOrientation(wxPORTRAIT);
    Settings().SetPrintData(data);
}
