#include "tests/editors/PdfPrintService.h"

#include "platform/ui/CPrintInfo.h"
#include "platform/ui/WxClientPrintout.h"
#include "platform/ui/WxText.h"

#include <wx/dcgraph.h>
#include <wx/graphics.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// The few cairo calls a PDF surface needs, found in the loaded library.
struct Cairo {
    void* (*pdfSurfaceCreate)(const char*, double, double);
    void* (*create)(void*);
    void* (*reference)(void*);
    void (*showPage)(void*);
    void (*destroy)(void*);
    void (*surfaceFinish)(void*);
    void (*surfaceDestroy)(void*);

    template <typename F> static void Find(F& function, const char* name) {
        function = reinterpret_cast<F>(dlsym(RTLD_DEFAULT, name));
    }
    Cairo() {
        Find(pdfSurfaceCreate, "cairo_pdf_surface_create");
        Find(create, "cairo_create");
        Find(reference, "cairo_reference");
        Find(showPage, "cairo_show_page");
        Find(destroy, "cairo_destroy");
        Find(surfaceFinish, "cairo_surface_finish");
        Find(surfaceDestroy, "cairo_surface_destroy");
    }
    bool Ok() const {
        return pdfSurfaceCreate && create && reference && showPage && destroy && surfaceFinish &&
               surfaceDestroy;
    }
};

GreyPage ReadPgm(const std::string& path) {
    GreyPage page;
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    in >> magic >> page.width >> page.height >> maxValue;
    in.get();
    if (magic != "P5" || page.width <= 0 || page.height <= 0)
        return GreyPage();
    page.pixels.resize(static_cast<size_t>(page.width) * page.height);
    in.read(reinterpret_cast<char*>(page.pixels.data()),
            static_cast<std::streamsize>(page.pixels.size()));
    int left = page.width, top = page.height, right = 0, bottom = 0;
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x)
            if (page.pixels[static_cast<size_t>(y) * page.width + x] < 128) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
    if (right > 0) {
        page.inkLeft = left;
        page.inkTop = top;
        page.inkRight = right;
        page.inkBottom = bottom;
    }
    return page;
}

} // namespace

std::vector<GreyPage> RenderPdfPages(const std::string& pdf, int dpi) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::path(pdf).parent_path() / (fs::path(pdf).stem().string() + "-pages");
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string command = "pdftoppm -gray -r " + std::to_string(dpi) + " '" + pdf + "' '" +
                                (folder / "page").string() + "'";
    std::vector<GreyPage> pages;
    if (std::system(command.c_str()) != 0)
        return pages;
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files.push_back(entry.path().string());
    // page-1.pgm ... or page-01.pgm ...: the same width, so they sort by name.
    std::sort(files.begin(), files.end());
    for (const std::string& file : files)
        pages.push_back(ReadPgm(file));
    return pages;
}

PdfPrintService::PdfPrintService(std::string path, double widthPt, double heightPt)
    : m_path(std::move(path)), m_width(widthPt), m_height(heightPt),
      m_previous(SetPrintService(this)) {}

PdfPrintService::~PdfPrintService() {
    SetPrintService(m_previous);
}

BOOL PdfPrintService::PrintSetup(CWnd*) {
    ++setups;
    if (setupWidthMM <= 0)
        return FALSE;
    SetPrinterPaperMM(setupWidthMM, setupHeightMM);
    return TRUE;
}

BOOL PdfPrintService::Print(CWnd*, CPrintClient& client, PrintJobKind kind, const CString& title) {
    jobs.push_back(kind);
    CPrintInfo info;
    info.m_bDirect = kind == PRINT_DIRECT;
    info.m_bPreview = kind == PRINT_PREVIEW;
    if (!client.OnPreparePrinting(&info))
        return FALSE;
    static const Cairo cairo;
    if (!cairo.Ok())
        return FALSE;
    void* surface = cairo.pdfSurfaceCreate(m_path.c_str(), m_width, m_height);
    void* context = cairo.create(surface);
    {
        // The toolkit's context may or may not take a reference of its own: one more is kept
        // here, so that the context outlives it either way.
        cairo.reference(context);
        wxGraphicsContext* graphics =
            wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(context);
        wxGCDC dc(graphics);
        const int width = static_cast<int>(m_width), height = static_cast<int>(m_height);
        WxClientPrintout printout(client, ToWx(title), info);
        printout.SetDC(&dc);
        printout.SetPPIScreen(72, 72);
        printout.SetPPIPrinter(72, 72);
        printout.SetPageSizePixels(width, height);
        printout.SetPaperRectPixels(wxRect(0, 0, width, height));
        printout.SetPageSizeMM(static_cast<int>(m_width * 25.4 / 72),
                               static_cast<int>(m_height * 25.4 / 72));
        printout.OnPreparePrinting();
        int minPage = 0, maxPage = 0, from = 0, to = 0;
        printout.GetPageInfo(&minPage, &maxPage, &from, &to);
        printout.OnBeginPrinting();
        for (int page = from; page <= to && printout.HasPage(page); ++page) {
            printout.OnPrintPage(page);
            graphics->Flush();
            cairo.showPage(context);
            ++pagesPrinted;
        }
        printout.OnEndPrinting();
        printout.SetDC(nullptr);
    }
    cairo.destroy(context);
    cairo.surfaceFinish(surface);
    cairo.surfaceDestroy(surface);
    return TRUE;
}
