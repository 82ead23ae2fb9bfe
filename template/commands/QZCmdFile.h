#pragma once
// <<file "name">> (also spelled printfile): copies a file's contents into the output, at page
// generation and in form and event processing alike. Zero bytes in the file are left out.

#include "template/commands/QZCmdFunction.h"

class QZCmdFile : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdFile)
public:
    // The file is read and written in blocks of this many bytes.
    static constexpr UINT kBlockSize = 1023;

    QZCmdFile(QZVantrelContext* context, const CString& arguments);

    static CString GetSkeleton() { return "<<file \"???\">>"; }

    void WriteSource(CString& text) override;
    void Execute() override;
    // Evaluates the parameters and takes the file name; FALSE, reported, without one.
    virtual BOOL CheckParameters();

    const CString& GetFileName() const { return m_fileName; }

private:
    CString m_fileName;
};
