#include "content/commands/RegisterContentCommands.h"

#include "content/commands/QZCmdActiveX.h"
#include "content/commands/QZCmdAdSpace.h"
#include "content/commands/QZCmdAddRow.h"
#include "content/commands/QZCmdAddRows.h"
#include "content/commands/QZCmdDelRow.h"
#include "content/commands/QZCmdEditRow.h"
#include "content/commands/QZCmdEditRows.h"
#include "content/commands/QZCmdEmail.h"
#include "content/commands/QZCmdExecQuery.h"
#include "content/commands/QZCmdExtLink.h"
#include "content/commands/QZCmdForm.h"
#include "content/commands/QZCmdGenerate.h"
#include "content/commands/QZCmdImage.h"
#include "content/commands/QZCmdIntLink.h"
#include "content/commands/QZCmdJava.h"
#include "content/commands/QZCmdMedia.h"
#include "content/commands/QZCmdQuery.h"
#include "content/commands/QZCmdReturn.h"
#include "content/commands/QZCmdScript.h"
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
    QZCommandFactory::Register(TOKEN_FORM, &WithArguments<QZCmdForm>);
    QZCommandFactory::Register(TOKEN_QUERY, &WithArguments<QZCmdQuery>);
    QZCommandFactory::Register(TOKEN_SCRIPT, &WithArguments<QZCmdScript>);
    QZCommandFactory::Register(TOKEN_ADDROW, &WithArguments<QZCmdAddRow>);
    QZCommandFactory::Register(TOKEN_ADDROWS, &WithArguments<QZCmdAddRows>);
    QZCommandFactory::Register(TOKEN_DELROW, &WithArguments<QZCmdDelRow>);
    QZCommandFactory::Register(TOKEN_EDITROW, &WithArguments<QZCmdEditRow>);
    QZCommandFactory::Register(TOKEN_EDITROWS, &WithArguments<QZCmdEditRows>);
    QZCommandFactory::Register(TOKEN_EMAIL, &WithArguments<QZCmdEmail>);
    QZCommandFactory::Register(TOKEN_EXECQUERY, &WithArguments<QZCmdExecQuery>);
    QZCommandFactory::Register(TOKEN_RETURNPAGE, &WithArguments<QZCmdReturn>);
    QZCommandFactory::Register(TOKEN_GENERATE, &WithArguments<QZCmdGenerate>);
}
