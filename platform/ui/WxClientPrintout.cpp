#include "platform/ui/WxClientPrintout.h"

#include "platform/ui/CDC.h"

#include <wx/dc.h>

namespace {

// The job's context for the time of one call.
class PrintContext : public CDC {
public:
    explicit PrintContext(wxDC* dc) { AttachWx(dc, false); }
    ~PrintContext() override { DetachWx(); }
};

// A view's pages are numbered from 1; no text has more.
constexpr int kMaxPages = 100000;

} // namespace

WxClientPrintout::WxClientPrintout(CPrintClient& client, const wxString& title,
                                   const CPrintInfo& info)
    : wxPrintout(title), m_client(client), m_info(info) {}

void WxClientPrintout::ScaleContext() {
    wxDC* dc = GetDC();
    if (!dc)
        return;
    int printerX = 0, printerY = 0, pageX = 0, pageY = 0, deviceX = 0, deviceY = 0;
    GetPPIPrinter(&printerX, &printerY);
    GetPageSizePixels(&pageX, &pageY);
    dc->GetSize(&deviceX, &deviceY);
    const wxSize own = dc->GetPPI();
    if (printerX <= 0 || printerY <= 0 || own.x <= 0 || own.y <= 0)
        return;
    // Device pixels per inch (a preview draws the page smaller than the printer would).
    const double deviceInchX =
        (deviceX > 0 && pageX > 0) ? double(deviceX) * printerX / pageX : printerX;
    const double deviceInchY =
        (deviceY > 0 && pageY > 0) ? double(deviceY) * printerY / pageY : printerY;
    dc->SetUserScale(deviceInchX / own.x, deviceInchY / own.y);
}

void WxClientPrintout::OnPreparePrinting() {
    // The page count: the pages the view can lay out, one after another.
    ScaleContext();
    PrintContext context(GetDC());
    CPrintInfo info = m_info;
    m_client.OnBeginPrinting(&context, &info);
    m_nPages = 0;
    for (int page = 1; page <= kMaxPages; ++page) {
        info.m_nCurPage = static_cast<UINT>(page);
        info.m_bContinuePrinting = TRUE;
        m_client.OnPrepareDC(&context, &info);
        if (!info.m_bContinuePrinting)
            break;
        m_nPages = page;
    }
    m_client.OnEndPrinting(&context, &info);
}

void WxClientPrintout::OnBeginPrinting() {
    ScaleContext();
    PrintContext context(GetDC());
    m_client.OnBeginPrinting(&context, &m_info);
}

void WxClientPrintout::OnEndPrinting() {
    PrintContext context(GetDC());
    m_client.OnEndPrinting(&context, &m_info);
}

bool WxClientPrintout::HasPage(int page) {
    return page >= 1 && page <= m_nPages;
}

void WxClientPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = 1;
    *maxPage = m_nPages > 0 ? m_nPages : 1;
    *pageFrom = 1;
    *pageTo = *maxPage;
}

bool WxClientPrintout::OnPrintPage(int page) {
    ScaleContext();
    PrintContext context(GetDC());
    m_info.m_nCurPage = static_cast<UINT>(page);
    m_info.m_bContinuePrinting = TRUE;
    m_client.OnPrepareDC(&context, &m_info);
    if (!m_info.m_bContinuePrinting)
        return false;
    m_client.OnPrint(&context, &m_info);
    return true;
}
