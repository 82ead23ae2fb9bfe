#include "template/commands/RegisterDataCommands.h"

#include "template/commands/QZCmdAttach.h"
#include "template/commands/QZCmdCase.h"
#include "template/commands/QZCmdDump.h"
#include "template/commands/QZCmdEncrypt.h"
#include "template/commands/QZCmdGroupFld.h"
#include "template/commands/QZCmdMemoFld.h"
#include "template/commands/QZCmdReadFile.h"
#include "template/commands/QZCmdWriteFile.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZToken.h"

namespace {

template <typename Command>
QZCommandBase* WithArguments(QZVantrelContext* context, const CString& arguments) {
    return new Command(context, arguments);
}

// Dump and encrypt take no arguments.
template <typename Command> QZCommandBase* Plain(QZVantrelContext* context, const CString&) {
    return new Command(context);
}

} // namespace

void RegisterDataCommands() {
    QZCommandFactory::Register(TOKEN_READFILE, &WithArguments<QZCmdReadFile>);
    QZCommandFactory::Register(TOKEN_WRITEFILE, &WithArguments<QZCmdWriteFile>);
    QZCommandFactory::Register(TOKEN_INTERPRET, &WithArguments<QZCmdMemoFld>);
    QZCommandFactory::Register(TOKEN_DUMP, &Plain<QZCmdDump>);
    QZCommandFactory::Register(TOKEN_ENCRYPT, &Plain<QZCmdEncrypt>);
    QZCommandFactory::Register(TOKEN_ATTACH, &WithArguments<QZCmdAttach>);
    QZCommandFactory::Register(TOKEN_IS, &WithArguments<QZCmdCase>);
    QZCommandFactory::Register(TOKEN_GROUP, &WithArguments<QZCmdGroupFld>);
}
