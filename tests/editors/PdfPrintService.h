#pragma once
// Print jobs into a PDF file in place of the desktop's printers: the view's printout is drawn
// page by page on a PDF surface of the paper's size at 72 points an inch (cairo's, which the
// toolkit has loaded), and the pages are read back as grey images through pdftoppm. Print Setup
// chooses a paper given beforehand. Installed for its life.

#include "platform/ui/PrintJob.h"

#include <string>
#include <vector>

// One page of the file as pdftoppm renders it in grey.
struct GreyPage {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
    // The box around every pixel darker than mid-grey: left, top, right, bottom (right and
    // bottom excluded); all 0 when the page is blank.
    int inkLeft = 0, inkTop = 0, inkRight = 0, inkBottom = 0;
    bool Blank() const { return inkRight == 0; }
};

// The pages of a PDF file rendered at `dpi` dots an inch.
std::vector<GreyPage> RenderPdfPages(const std::string& pdf, int dpi);

class PdfPrintService : public PrintService {
public:
    // Pages of the size in points (letter unless told).
    explicit PdfPrintService(std::string path, double widthPt = 612, double heightPt = 792);
    ~PdfPrintService() override;
    PdfPrintService(const PdfPrintService&) = delete;
    PdfPrintService& operator=(const PdfPrintService&) = delete;

    BOOL Print(CWnd* parent, CPrintClient& client, PrintJobKind kind,
               const CString& title) override;
    BOOL PrintSetup(CWnd* parent) override;

    std::vector<PrintJobKind> jobs;
    int pagesPrinted = 0;
    int setups = 0;
    // The paper Print Setup chooses, in millimetres (none: Cancel).
    int setupWidthMM = 0, setupHeightMM = 0;

private:
    std::string m_path;
    double m_width, m_height;
    PrintService* m_previous;
};
