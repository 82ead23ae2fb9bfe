#pragma once
// <<script key>>: writes a stored script into the page as a script element with its language
// and type, its own template text run in place between the tags. The script object is built
// for each run and freed after it.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>

class QZSymbol;
class QZVantrelScript;

class QZCmdScript : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdScript)
public:
    QZCmdScript(QZVantrelContext* context, const CString& arguments);
    ~QZCmdScript() override;

    static CString GetSkeleton() {
        return "<<script :???"
               ">>";
    }

    void WriteSource(CString& text) override;
    // Writes the element, runs the script's text inside it and records it as a dependency.
    void Execute() override;
    // The script property dialog: the new command text on OK, empty on Cancel.
    CString EditProperties() override;
    // Evaluates the parameters and loads the script of the key; TRUE when one stands ready.
    virtual BOOL CheckParameters();

    const QZKeyCombo& GetScriptKey() const { return m_scriptKey; }

private:
    // Loads the script of the key, reporting a missing or unknown key.
    void ResolveObject();

    std::unique_ptr<QZVantrelScript> m_pScript;
    QZKeyCombo m_scriptKey;
    QZSymbol* m_pKeyEntry = nullptr;
};
