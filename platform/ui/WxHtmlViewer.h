#pragma once
// The two kinds of HTML viewer (private to the ui layer): the plain HTML window, which can
// always be made, and the desktop's web engine.

#include "platform/ui/HtmlViewer.h"

#include <memory>

// The plain HTML window; never nullptr.
std::unique_ptr<HtmlViewer> MakeHtmlWindowViewer(wxWindow* parent, UINT nID, const RECT& rect);
// The web engine; nullptr when it is not installed or cannot be made.
std::unique_ptr<HtmlViewer> MakeWebViewViewer(wxWindow* parent, UINT nID, const RECT& rect);
