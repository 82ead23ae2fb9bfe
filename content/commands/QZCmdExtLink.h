#pragma once
// <<extlink url, name=value, ...>> body <</extlink>>: wraps the output of its body in an anchor
// to a URL given as text, with free extra attributes and the mouse-over, click and target
// attributes. A link is refused inside another link's body; the body is then written plain.

#include "template/commands/QZCmdFunction.h"

#include <memory>

class QZCmdExtLink : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdExtLink)
public:
    QZCmdExtLink(QZVantrelContext* context, const CString& arguments);
    ~QZCmdExtLink() override;

    // What the editor inserts for a new command.
    static CString GetSkeleton() {
        return "<<extlink href=\"http://???\""
               ">>\r\n"
               "<</extlink>>";
    }

    // The opening; the body and the closing word too, except in modes 1 and 2.
    void WriteSource(CString& text) override;
    // The anchor around the body's output.
    void Execute() override;
    // Evaluates the parameters; TRUE when there is a text to link to.
    virtual BOOL CheckParameters();

    QZVantrelStmtContext* GetSection(Section section) override;
    void KeepWord(int token, const CString& text) override;

private:
    CString m_strHref;
    CString m_strOther;
    CString m_strOnMouseOver;
    CString m_strOnClick;
    CString m_strTarget;
    std::unique_ptr<QZVantrelStmtContext> m_pBody;
    // Set when the text closed the block; a block left open is written back open.
    BOOL m_bClosed = FALSE;
};
