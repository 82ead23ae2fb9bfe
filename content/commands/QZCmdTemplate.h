#pragma once
// <<macro key, name=value, ...>>: runs a stored macro at the place of the command, with the
// command's named parameters visible to the macro's text as variables. The macro object is
// built for each run and freed after it.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>

class QZSymbol;
class QZVantrelTemplate;

class QZCmdTemplate : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdTemplate)
public:
    // Macros nested deeper than this report a stack overflow instead of running.
    static constexpr int kMaxNesting = 100;

    QZCmdTemplate(QZVantrelContext* context, const CString& arguments);
    ~QZCmdTemplate() override;

    void WriteSource(CString& text) override;
    // Runs the macro into the current output and records it as a dependency of the page.
    void Execute() override;
    void ExecuteAction() override;
    // The macro property dialog: the new command text on OK, empty on Cancel.
    CString EditProperties() override;
    // Evaluates the parameters and builds the macro object of the first one; TRUE when one
    // stands ready. Reports a missing or unknown key.
    virtual BOOL CheckParameters();

    const QZKeyCombo& GetMacroKey() const { return m_macroKey; }
    void SetMacroKey(const QZKeyCombo& key) { m_macroKey = key; }

private:
    QZSymbol* m_pKeyEntry = nullptr;
    QZKeyCombo m_macroKey;
    std::unique_ptr<QZVantrelTemplate> m_pMacro;
};
