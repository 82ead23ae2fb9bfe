#pragma once
// A print job's pages as the desktop's printing asks for them (private to the ui layer): the
// view that prints lays its pages out when the job is prepared, which gives the page count,
// then prepares and prints each page asked for. The context is scaled so that a logical unit
// is one pixel at the context's own resolution, which is what the view lays out in.

#include "platform/ui/CPrintInfo.h"

#include <wx/print.h>

class WxClientPrintout : public wxPrintout {
public:
    WxClientPrintout(CPrintClient& client, const wxString& title, const CPrintInfo& info);

    void OnPreparePrinting() override;
    void OnBeginPrinting() override;
    void OnEndPrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    int GetPageCount() const { return m_nPages; }

private:
    void ScaleContext();

    CPrintClient& m_client;
    CPrintInfo m_info;
    int m_nPages = 0;
};
