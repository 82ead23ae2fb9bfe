#include "template/commands/RegisterFlowCommands.h"

#include "template/commands/QZCmdFor.h"
#include "template/commands/QZCmdIf.h"
#include "template/commands/QZCmdPrintExpr.h"
#include "template/commands/QZCmdRepeat.h"
#include "template/commands/QZCmdSetDefault.h"
#include "template/commands/QZCmdStoreExpr.h"
#include "template/commands/QZCmdSwitch.h"
#include "template/commands/QZCmdWhile.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZToken.h"

namespace {
struct FlowCommand {
    int token;
    QZCommandFactory::Maker maker;
};

const FlowCommand kFlowCommands[] = {
    {TOKEN_IF, &QZCmdIf::Make},
    {TOKEN_WHILE, &QZCmdWhile::Make},
    {TOKEN_FOR, &QZCmdFor::Make},
    {TOKEN_UNTIL, &QZCmdRepeat::Make},
    {TOKEN_WHEN, &QZCmdSwitch::Make},
    {TOKEN_SET, &QZCmdStoreExpr::Make},
    {TOKEN_SETDEFAULT, &QZCmdSetDefault::Make},
    {TOKEN_PRINT, &QZCmdPrintExpr::Make},
};
} // namespace

void RegisterFlowCommands() {
    for (const FlowCommand& command : kFlowCommands)
        QZCommandFactory::Register(command.token, command.maker);
}

void UnregisterFlowCommands() {
    for (const FlowCommand& command : kFlowCommands)
        QZCommandFactory::Register(command.token, nullptr);
}
