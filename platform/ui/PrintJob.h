#pragma once
// Printing a view: through the print dialog, straight to the printer, or into the preview
// frame, and the Print Setup dialog over the application's one set of printer settings, whose
// paper the views wrap and lay out for. The jobs run through a replaceable service, so tests
// print into files.

#include "platform/core/CSize.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

class CPrintClient;
class CWnd;

enum PrintJobKind { PRINT_WITH_DIALOG = 0, PRINT_DIRECT = 1, PRINT_PREVIEW = 2 };

class PrintService {
public:
    virtual ~PrintService() = default;
    // Runs the job of `client` (a document titled `title`); FALSE when cancelled or failed.
    virtual BOOL Print(CWnd* parent, CPrintClient& client, PrintJobKind kind,
                       const CString& title) = 0;
    // The Print Setup dialog over the application's printer settings; TRUE on OK.
    virtual BOOL PrintSetup(CWnd* parent) = 0;
};

PrintService& GetPrintService();
// Closes the preview frames still showing `client`'s pages (the client is going away).
void ClosePrintPreviewsOf(CPrintClient& client);
// Installs `service` (not owned; null puts the desktop's back) and answers the one it replaces,
// or null when that was the default.
PrintService* SetPrintService(PrintService* service);

// The paper of the application's printer settings in twips (portrait or landscape as set).
CSize GetPrinterPaperTwips();
// Chooses the paper by its size in millimetres (the nearest known paper, else a custom size).
void SetPrinterPaperMM(int widthMM, int heightMM);
