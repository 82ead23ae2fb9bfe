#include "content/QZVantrelScript.h"

IMPLEMENT_DYNAMIC(QZVantrelScript, QZVantrelTemplate)

namespace {
const QZColumnBinding::Names kColumns{"[ScriptID]", "[Title]"};
} // namespace

QZVantrelScript::QZVantrelScript(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent)
    : QZVantrelTemplate(OBJ_SCRIPT, parent) {
    BindTemplateColumns(*LoadRow<CScriptSet>(key, bOpen, nullptr, kColumns));
}

QZVantrelScript::QZVantrelScript() : QZVantrelTemplate(OBJ_SCRIPT, nullptr) {
    BindTemplateColumns(*AddNewRow<CScriptSet>(kColumns));
    SetServiceKey(CurrentServiceKey());
    SetSectionKey(CurrentSectionKey());
}

QZVantrelScript::~QZVantrelScript() = default;

QZVantrelScript& QZVantrelScript::operator=(const QZVantrelScript& other) {
    QZVantrelTemplate::operator=(other);
    return *this;
}

void QZVantrelScript::SetText(const CString& text) {
    Write(m_pText, text);
}

int QZVantrelScript::Compile() {
    m_pParseContext->SetMode(QZVantrelContext::MODE_GENERATE);
    PostEngineMessage(3, "Compiling", 0);
    m_pParseContext->Parse("<!--" + GetText() + "\r\n//-->");
    m_pParseContext->Execute();
    PostEngineMessage(3, "Done", 0);
    m_pParseContext->SetMode(QZVantrelContext::MODE_PLAIN);
    return 1;
}
