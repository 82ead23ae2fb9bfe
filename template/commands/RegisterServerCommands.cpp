#include "template/commands/RegisterServerCommands.h"

#include "template/commands/QZCmdFile.h"
#include "template/commands/QZCmdRun.h"
#include "template/commands/QZCmdSetCookie.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZToken.h"

namespace {
template <typename Command>
QZCommandBase* WithArguments(QZVantrelContext* context, const CString& arguments) {
    return new Command(context, arguments);
}

struct ServerCommand {
    int token;
    QZCommandFactory::Maker maker;
};

const ServerCommand kServerCommands[] = {
    {TOKEN_RUN, &WithArguments<QZCmdRun>},
    {TOKEN_FILE, &WithArguments<QZCmdFile>},
    {TOKEN_SETCOOKIE, &WithArguments<QZCmdSetCookie>},
};
} // namespace

void RegisterServerCommands() {
    for (const ServerCommand& command : kServerCommands)
        QZCommandFactory::Register(command.token, command.maker);
}

void UnregisterServerCommands() {
    for (const ServerCommand& command : kServerCommands)
        QZCommandFactory::Register(command.token, nullptr);
}
