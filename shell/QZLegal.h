#pragma once
// The legal notice: the end-user licence agreement, read from "mq30eula.txt" in the program
// directory and shown read-only.

#include "platform/ui/CModalDialog.h"
#include "platform/ui/CRichEditCtrl.h"

class QZLegal : public CModalDialog {
public:
    explicit QZLegal(CWnd* pParentWnd = nullptr);
    ~QZLegal() override;

    BOOL OnInitDialog() override;
    // The notice file's text up to its first null byte; FALSE (and an empty text) when the
    // file cannot be read.
    static BOOL ReadNotice(const CString& path, CString& text);
    // The notice file in the program directory.
    static CString NoticePath();

    CString m_strNotice;
    CRichEditCtrl& GetNoticeCtrl() { return m_wndNotice; }

private:
    CRichEditCtrl m_wndNotice;
};
