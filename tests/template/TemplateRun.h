#pragma once
// A page whose template text runs with the language's real commands: the expression contexts
// and the command classes are registered while a TemplateRun lives. The page belongs to a fake
// content object that keeps its output and its engine messages.

#include "template/commands/QZArgumentContext.h"
#include "template/commands/RegisterFlowCommands.h"
#include "template/expressions/QZLocalExprContext.h"
#include "template/expressions/QZTemplateExprContext.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/values/QZBlockList.h"
#include "template/values/SymbolTable.h"
#include "tests/template/FakeRunOwner.h"

#include <string>
#include <vector>

class TemplateRun {
public:
    explicit TemplateRun(SHORT mode = QZVantrelContext::MODE_GENERATE) {
        QZTemplateExprContext::Register();
        owner.Own(page, mode);
        owner.outputFile = &file;
    }
    ~TemplateRun() {
        UnregisterFlowCommands();
        QZArgumentContext::SetTemplateMaker(nullptr);
    }
    TemplateRun(const TemplateRun&) = delete;
    TemplateRun& operator=(const TemplateRun&) = delete;

    // Parses the text and runs it once; the output of this run.
    std::string Run(const std::string& text) {
        file.text.clear();
        page.Parse(CString(text));
        page.Execute();
        return file.text;
    }

    // Parses the text in the page's mode and writes it back.
    std::string WriteBack(const std::string& text) {
        page.Parse(CString(text));
        CString written;
        page.WriteSource(written);
        return written.str();
    }

    // The messages so far as "line: text", which are then forgotten.
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& message : owner.messages)
            texts.push_back(std::to_string(message.line) + ": " + message.text);
        owner.messages.clear();
        return texts;
    }

    SymbolTable& Scope() { return *page.GetSymbolTable(); }
    QZSymbol* Var(const char* name) { return Scope().Find(name, TRUE); }

    FakeRunOwner owner;
    QZVantrelMemoFld page;
    MemoryFile file;
};
