#pragma once
// <<email key, name=value, ...>>: when a form or event is processed, compiles a stored e-mail
// message with the command's parameters visible to its text, the output collecting in the
// message; at page generation it only evaluates its parameters. No mail is sent here.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>

class QZSymbol;
class QZVantrelMessage;

class QZCmdEmail : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdEmail)
public:
    QZCmdEmail(QZVantrelContext* context, const CString& arguments);
    ~QZCmdEmail() override;

    static CString GetSkeleton() {
        return "<<email :???"
               ">>";
    }

    void WriteSource(CString& text) override;
    // Evaluates the parameters only.
    void Execute() override;
    // Builds the message of the key, compiles it and frees it.
    void ExecuteAction() override;
    // Opens no dialog: the edited text as it stands.
    CString EditProperties() override;
    // Evaluates the parameters and builds the message of the key; TRUE when one stands ready.
    virtual BOOL CheckParameters();

    const QZKeyCombo& GetMessageKey() const { return m_messageKey; }

private:
    QZKeyCombo m_messageKey;
    std::unique_ptr<QZVantrelMessage> m_pMessage;
    QZSymbol* m_pKeyEntry = nullptr;
};
