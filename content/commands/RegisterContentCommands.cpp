#include "content/commands/RegisterContentCommands.h"

#include "content/commands/QZCmdTemplate.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZToken.h"

namespace {
template <typename Command>
QZCommandBase* WithArguments(QZVantrelContext* context, const CString& arguments) {
    return new Command(context, arguments);
}
} // namespace

void RegisterContentCommands() {
    QZCommandFactory::Register(TOKEN_MACRO, &WithArguments<QZCmdTemplate>);
}
