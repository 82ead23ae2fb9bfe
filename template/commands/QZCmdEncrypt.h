#pragma once
// The encrypt block, <<encrypt>> ... <</encrypt>>: frames the output of its body between a
// line "Encrypt" and a line holding a single "." for the program that later serves the page;
// nothing is enciphered here.

#include "template/commands/QZCommandBase.h"

#include <memory>

class QZCmdEncrypt : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdEncrypt)
public:
    explicit QZCmdEncrypt(QZVantrelContext* context);
    ~QZCmdEncrypt() override;

    void WriteSource(CString& text) override;
    void Execute() override;
    QZVantrelStmtContext* GetSection(Section section) override;

private:
    std::unique_ptr<QZVantrelStmtContext> m_pBody;
};
