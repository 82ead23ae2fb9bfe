#include "template/commands/QZCmdReadFile.h"

#include "platform/core/CFile.h"
#include "platform/core/Paths.h"
#include "template/commands/QZArgumentContext.h"
#include "template/expressions/QZLocalExprContext.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"

#include <vector>

IMPLEMENT_DYNAMIC(QZCmdReadFile, QZCommandBase)

QZCmdReadFile::QZCmdReadFile(QZVantrelContext* context, const CString& arguments)
    : QZCommandBase(context) {
    m_source = arguments;
    m_pExprContext = new QZLocalExprContext(context);
    m_pExprContext->Parse(arguments);
}

void QZCmdReadFile::WriteSource(CString& text) {
    auto* arguments = static_cast<QZArgumentContext*>(m_pExprContext);
    text += "<<readfile " + arguments->GetTranslatedText() + ">>";
}

QZSymbol* QZCmdReadFile::TargetVariable() {
    QZBlockList* results = static_cast<QZArgumentContext*>(m_pExprContext)->GetResults();
    QZSymbol* target = results != nullptr ? results->GetAt(2, FALSE, 1) : nullptr;
    if (target != nullptr && target->GetType() == QZSymbol::TYPE_REFERENCE)
        target = target->GetReference();
    // Only a variable takes the text: a constant or a built-in would change for every later
    // use of it, and a temporary would lose it at once.
    if (target == nullptr || target->GetKind() != QZSymbol::KIND_VARIABLE ||
        target->GetName().IsEmpty())
        return nullptr;
    return target;
}

void QZCmdReadFile::Execute() {
    QZCommandBase::Execute();
    QZSymbol* name = FindParam(CString(), QZSymbol::TYPE_STRING);
    if (name == nullptr) {
        Error("readfile: no filename specified");
        return;
    }
    QZSymbol* target = TargetVariable();
    if (target == nullptr) {
        Error("readfile: no input buffer specified");
        return;
    }
    CFile file;
    if (!file.Open(MapWindowsPath(name->GetString()), CFile::modeRead)) {
        Error("readfile: can't open file %s for reading", name->GetString());
        return;
    }
    try {
        std::vector<char> buffer(file.GetLength() + 1, '\0');
        UINT read = file.Read(buffer.data(), static_cast<UINT>(buffer.size() - 1));
        buffer[read] = '\0';
        target->SetString(CString(buffer.data()));
    } catch (CFileException* e) {
        e->Delete();
        Error("readfile: can't open file %s for reading", name->GetString());
    }
    file.Abort();
}
