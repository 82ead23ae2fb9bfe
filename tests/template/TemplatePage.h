#pragma once
// A page to run template text on: a parser in the generating mode, owned by a fake content
// object that collects the output and the error lines, with the expression language and the
// language's commands registered for as long as the page lives.

#include "template/commands/QZArgumentContext.h"
#include "template/expressions/QZTemplateExprContext.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"
#include "tests/template/FakeRunOwner.h"

#include <string>
#include <vector>

class TemplatePage {
public:
    TemplatePage() {
        QZTemplateExprContext::Register();
        owner.Own(parser, QZVantrelContext::MODE_GENERATE);
        owner.outputFile = &output;
    }
    virtual ~TemplatePage() {
        parser.DeleteStatements();
        for (int token : {TOKEN_READFILE, TOKEN_WRITEFILE, TOKEN_INTERPRET, TOKEN_DUMP,
                          TOKEN_ENCRYPT, TOKEN_ATTACH, TOKEN_IS, TOKEN_GROUP})
            QZCommandFactory::Register(token, nullptr);
        QZArgumentContext::SetTemplateMaker(nullptr);
    }
    TemplatePage(const TemplatePage&) = delete;
    TemplatePage& operator=(const TemplatePage&) = delete;

    // Parses and runs the text; the output of this run.
    std::string Generate(const std::string& text) {
        output.text.clear();
        parser.Parse(CString(text));
        parser.Execute();
        return output.text;
    }
    // Runs the text parsed last once more.
    std::string GenerateAgain() {
        output.text.clear();
        parser.Execute();
        return output.text;
    }
    // The text written back after parsing it in the mode.
    std::string WriteBack(const std::string& text, SHORT mode) {
        SHORT before = parser.GetMode();
        parser.SetMode(mode);
        parser.Parse(CString(text));
        CString written;
        parser.WriteSource(written);
        parser.SetMode(before);
        return written.str();
    }
    // The texts of the error lines reported so far, which are then forgotten.
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& message : owner.messages)
            texts.push_back(message.text);
        owner.messages.clear();
        return texts;
    }

    // The error lines reported so far as "line: text", which are then forgotten.
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (const auto& message : owner.messages)
            lines.push_back(std::to_string(message.line) + ": " + message.text +
                            (message.kind == QZTemplateOwner::MSG_ERROR ? "" : " (not an error)"));
        owner.messages.clear();
        return lines;
    }

    SymbolTable& Scope() { return *parser.GetSymbolTable(); }
    QZSymbol* Var(const char* name) { return Scope().Find(name, FALSE); }

    FakeRunOwner owner;
    MemoryFile output;
    QZVantrelMemoFld parser;
};
