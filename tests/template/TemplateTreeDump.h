#pragma once
// Writes a parsed statement tree as a short line of text, so that tests can state the whole
// tree they expect: H(text) literal text, C(text) comment, G(word|args) generic command,
// param(args), and a command word with its sections, e.g. if{H(a)}else{H(b)}.

#include "template/commands/QZCmdComment.h"
#include "template/commands/QZCmdGeneric.h"
#include "template/commands/QZCmdHTML.h"
#include "template/commands/QZCmdParam.h"
#include "template/commands/QZCmdStandIn.h"
#include "template/parser/QZKeywordTable.h"
#include "template/parser/QZVantrelStmtContext.h"

#include <string>

inline std::string DumpTree(const QZVantrelContext* context);

inline std::string DumpCommand(QZCommandBase* command) {
    if (auto* html = dynamic_cast<QZCmdHTML*>(command))
        return "H(" + html->GetText().str() + ")";
    if (auto* comment = dynamic_cast<QZCmdComment*>(command))
        return "C(" + comment->GetText().str() + ")";
    if (auto* generic = dynamic_cast<QZCmdGeneric*>(command))
        return "G(" + generic->GetWord().str() + "|" + generic->GetSourceText().str() + ")";
    if (dynamic_cast<QZCmdParam*>(command))
        return "param(" + command->GetSourceText().str() + ")";
    auto* standIn = dynamic_cast<QZCmdStandIn*>(command);
    if (standIn == nullptr)
        return "?";
    LPCTSTR word = QZKeywordTable::FindWord(standIn->GetToken());
    std::string text = word != nullptr ? word : std::to_string(standIn->GetToken());
    static const char* const roles[] = {"", "else", "first", "after", "norows"};
    for (int role = 0; role < 5; role++) {
        if (auto* section = standIn->FindSection(static_cast<QZCommandBase::Section>(role)))
            text += std::string(roles[role]) + "{" + DumpTree(section) + "}";
    }
    if (standIn->GetCaseCount() > 0 || standIn->GetBody() != nullptr)
        text += " ";
    for (int i = 0; i < standIn->GetCaseCount(); i++)
        text += "case{" + DumpTree(standIn->GetCase(i)) + "}";
    if (auto* body = standIn->GetBody())
        text += "body{" + DumpTree(body) + "}";
    return text;
}

inline std::string DumpTree(const QZVantrelContext* context) {
    std::string text;
    for (QZCommandBase* command = context->GetFirstStatement(); command != nullptr;
         command = command->GetNext()) {
        if (!text.empty())
            text += " ";
        text += DumpCommand(command);
    }
    return text;
}
