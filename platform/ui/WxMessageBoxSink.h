#pragma once
// The program's message boxes: each one a modal message dialog over the main window, with the
// buttons, icon and default button its type asks for.

#include "platform/core/MessageBox.h"

class WxMessageBoxSink : public MessageBoxSink {
public:
    // `caption` titles every box (the program's name).
    explicit WxMessageBoxSink(const CString& caption) : m_caption(caption) {}

    int Show(const CString& text, UINT type, UINT helpId) override;

private:
    CString m_caption;
};
