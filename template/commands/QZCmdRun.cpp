#include "template/commands/QZCmdRun.h"

#include "platform/core/Paths.h"
#include "platform/core/ProcessServices.h"
#include "template/commands/QZArgumentContext.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(QZCmdRun, QZCmdFunction)

QZCmdRun::QZCmdRun(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_NONE) {}

void QZCmdRun::WriteSource(CString& text) {
    text += "<<run " + GetArguments()->GetTranslatedText() + ">>";
}

std::vector<CString> QZCmdRun::SplitArguments(const CString& text) {
    std::vector<CString> arguments;
    CString current;
    bool inArgument = false;
    bool quoted = false;
    for (int i = 0; i < text.GetLength(); i++) {
        char c = text.GetAt(i);
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inArgument)
                arguments.push_back(current);
            current.Empty();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.push_back(current);
    return arguments;
}

void QZCmdRun::Execute() {
    QZCommandBase::Execute();
    QZSymbol* program = FindPositionalParam(1, QZSymbol::TYPE_STRING);
    if (program == nullptr || program->GetString().IsEmpty()) {
        Error("run: no program specified");
        return;
    }
    QZSymbol* arguments = FindPositionalParam(2, QZSymbol::TYPE_STRING);
    SymbolTable* own = GetArguments()->GetSymbolTable();
    BOOL wait = own == nullptr || own->Find("nowait", FALSE) == nullptr;
    std::vector<CString> list =
        arguments != nullptr ? SplitArguments(arguments->GetString()) : std::vector<CString>();
    if (!StartProcess(MapWindowsPath(program->GetString()), list, wait))
        Error("run: the program %s unable to execute", program->GetString());
}
