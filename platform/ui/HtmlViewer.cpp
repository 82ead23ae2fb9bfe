#include "platform/ui/HtmlViewer.h"

#include "platform/ui/WxHtmlViewer.h"
#include "platform/ui/WxText.h"

#include <wx/filesys.h>
#include <wx/fs_inet.h>

#include <cstdlib>
#include <cstring>

namespace {

BOOL g_bForceSimple = FALSE;
HtmlViewer::Factory g_factory;

BOOL SimpleChosen() {
    const char* chosen = std::getenv("MARQUILL_SIMPLE_HTML_VIEWER");
    return g_bForceSimple || (chosen && std::strcmp(chosen, "1") == 0);
}

// Pages on a web server open in the plain window too.
void AddInternetPages() {
    static const bool added = [] {
        // The file system keeps the handler for the rest of the run.
        wxFileSystem::AddHandler(new wxInternetFSHandler);
        return true; // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
    }();
    (void)added;
}

} // namespace

CString HtmlViewer::ToUrl(const CString& address) {
    if (address.Find("://") > 0 || address.Left(5) == "file:" || address.Left(6) == "about:")
        return address;
    return FromWx(wxFileSystem::FileNameToURL(wxFileName(ToWx(address))));
}

std::unique_ptr<HtmlViewer> HtmlViewer::Create(wxWindow* parent, UINT nID, const RECT& rect) {
    if (!parent)
        return nullptr;
    if (g_factory)
        return g_factory(parent, nID, rect);
    if (!SimpleChosen())
        if (auto viewer = MakeWebViewViewer(parent, nID, rect))
            return viewer;
    AddInternetPages();
    return MakeHtmlWindowViewer(parent, nID, rect);
}

void HtmlViewer::ForceSimpleViewer(BOOL bSimple) {
    g_bForceSimple = bSimple;
}

BOOL HtmlViewer::IsSimpleViewerForced() {
    return SimpleChosen();
}

void HtmlViewer::SetFactory(Factory factory) {
    g_factory = std::move(factory);
}
