#pragma once
// <<generate key, name=value, ...>>: when a form or event is processed, generates a stored page
// into its file, as the generate dialog does, with the command's parameters visible to its
// text; at page generation it only evaluates its parameters.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>

class QZSymbol;
class QZVantrelPage;

class QZCmdGenerate : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdGenerate)
public:
    QZCmdGenerate(QZVantrelContext* context, const CString& arguments);
    ~QZCmdGenerate() override;

    static CString GetSkeleton() {
        return "<<generate :???"
               ">>";
    }

    void WriteSource(CString& text) override;
    // Evaluates the parameters only.
    void Execute() override;
    // Generates the page and records it as a dependency of a generated page.
    void ExecuteAction() override;
    // Evaluates the parameters and builds the page of the key; TRUE when one stands ready.
    virtual BOOL CheckParameters();

    const QZKeyCombo& GetPageKey() const { return m_pageKey; }

private:
    QZKeyCombo m_pageKey;
    std::unique_ptr<QZVantrelPage> m_pPage;
    QZSymbol* m_pKeyEntry = nullptr;
};
