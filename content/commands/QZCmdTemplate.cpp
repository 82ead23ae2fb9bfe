#include "content/commands/QZCmdTemplate.h"

#include "content/QZVantrelTemplate.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandDialogs.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdTemplate, QZCmdFunction)

namespace {
// How deep macros are nested in the run now; the program runs one text at a time.
int g_nDepth = 0;

class NestingLevel {
public:
    NestingLevel() { g_nDepth++; }
    ~NestingLevel() { g_nDepth--; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;
};
} // namespace

QZCmdTemplate::QZCmdTemplate(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_MACRO), m_macroKey(-1, -1, OBJ_MACRO) {}

QZCmdTemplate::~QZCmdTemplate() = default;

void QZCmdTemplate::WriteSource(CString& text) {
    text += "<<macro " + GetArguments()->GetTranslatedText() + ">>";
}

void QZCmdTemplate::ExecuteAction() {
    Execute();
}

void QZCmdTemplate::Execute() {
    // Both bounds stop a macro that includes itself: the nesting before the stack runs out,
    // the run count before a macro that includes itself twice runs for ever.
    if (g_nDepth >= kMaxNesting ||
        (m_pRunOwner != nullptr && m_pRunOwner->IsOverRunLimit())) {
        Error("macro: runtime stack overflow");
        return;
    }
    if (!CheckParameters())
        return;
    {
        NestingLevel level;
        m_pMacro->Compile();
    }
    RecordDependency(m_pRunOwner, static_cast<QZTemplateRunOwner*>(m_pMacro.get()));
    m_pMacro.reset();
}

BOOL QZCmdTemplate::CheckParameters() {
    // An empty list has nothing to evaluate (and no operand to miss).
    CString arguments = m_source;
    arguments.Trim();
    if (!arguments.IsEmpty())
        QZCommandBase::Execute();
    m_pKeyEntry = arguments.IsEmpty() ? nullptr : FindPositionalParam(1, QZSymbol::TYPE_KEY);
    if (m_pKeyEntry != nullptr) {
        m_macroKey = m_pKeyEntry->GetKey();
    } else if (!arguments.IsEmpty() &&
               (m_pKeyEntry = FindPositionalParam(1, QZSymbol::TYPE_STRING)) != nullptr) {
        m_macroKey = QZKeyCombo(m_pKeyEntry->GetString());
    } else {
        m_macroKey = QZKeyCombo(-1, -1, OBJ_MACRO);
    }
    m_pMacro.reset();
    if (m_macroKey.m_KeyID < 1) {
        Error("macro: no valid macro key specified");
        return FALSE;
    }
    m_pMacro = std::make_unique<QZVantrelTemplate>(m_macroKey, FALSE, GetArguments());
    if (!m_pMacro->IsLoaded()) {
        m_pMacro.reset();
        // A literal's entry is named by its own text; only a variable's name is shown.
        if (m_pKeyEntry != nullptr && !m_pKeyEntry->IsLiteralConstant() &&
            !m_pKeyEntry->GetName().IsEmpty())
            Error("macro: invalid macro key %s=%s specified", m_pKeyEntry->GetName(),
                  m_macroKey.FormatFull());
        else
            Error("macro: invalid macro key %s specified", m_macroKey.FormatFull());
        return FALSE;
    }
    return TRUE;
}

CString QZCmdTemplate::EditProperties() {
    CheckParameters();
    CString keyText = m_source;
    CString rest;
    QZBlockList* results = GetArguments()->GetResults();
    int comma = m_source.Find(',');
    if (results != nullptr && results->GetCount() > 1 && comma >= 0) {
        keyText = m_source.Left(comma);
        rest = m_source.Mid(comma + 1);
    }
    m_properties.Empty();
    if (GetCommandDialogs().MacroProps(*this, keyText, rest) == IDOK) {
        m_properties = "<<macro ";
        bool none = (m_macroKey.m_DbID == -1 && m_macroKey.m_KeyID == -1) ||
                    (m_macroKey.m_DbID == 0 && m_macroKey.m_KeyID == 0);
        if (!none)
            m_properties += m_macroKey.Format();
        if (!rest.IsEmpty())
            m_properties += "," + rest;
        m_properties += ">>";
    }
    m_pMacro.reset();
    return m_properties;
}
