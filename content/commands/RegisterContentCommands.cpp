#include "content/commands/RegisterContentCommands.h"

#include "content/commands/QZCmdActiveX.h"
#include "content/commands/QZCmdAdSpace.h"
#include "content/commands/QZCmdExtLink.h"
#include "content/commands/QZCmdImage.h"
#include "content/commands/QZCmdIntLink.h"
#include "content/commands/QZCmdJava.h"
#include "content/commands/QZCmdMedia.h"
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
    QZCommandFactory::Register(TOKEN_IMAGE, &WithArguments<QZCmdImage>);
    QZCommandFactory::Register(TOKEN_EXTLINK, &WithArguments<QZCmdExtLink>);
    QZCommandFactory::Register(TOKEN_LINK, &WithArguments<QZCmdIntLink>);
    QZCommandFactory::Register(TOKEN_ACTIVEX, &WithArguments<QZCmdActiveX>);
    QZCommandFactory::Register(TOKEN_JAVA, &WithArguments<QZCmdJava>);
    QZCommandFactory::Register(TOKEN_MEDIA, &WithArguments<QZCmdMedia>);
    QZCommandFactory::Register(TOKEN_ADSPACE, &WithArguments<QZCmdAdSpace>);
}
