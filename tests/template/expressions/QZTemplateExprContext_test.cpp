// Expression contexts by scope: local contexts share the page's variables, a parameter list
// makes variables of a scope of its own and reads its values from the enclosing one.

#include "tests/template/ExprFixture.h"

#include "template/commands/QZCmdFunction.h"
#include "template/expressions/QZTemplateExprContext.h"
#include "template/values/QZBlockList.h"

TEST_F(ExprFixture, ExpressionsOfAPageShareItsVariables) {
    Exec("x = 1");
    EXPECT_EQ(Eval("x + 1"), "int:2");
}

TEST_F(ExprFixture, ParametersAreVariablesOfTheCommandsOwnScope) {
    Scope().SetInteger("x", 7);
    Scope().SetInteger("key", 3);
    {
        QZTemplateExprContext parameters(&page);
        EXPECT_TRUE(parameters.IsLocalAssignment());
        parameters.Parse("x = 5, y = x + 1, key = key");
        parameters.Execute();
        SymbolTable* own = parameters.GetSymbolTable();
        EXPECT_EQ(Show(own->Find("x", FALSE)), "int:5");
        EXPECT_EQ(Show(own->Find("y", FALSE)), "int:8"); // the right side reads the page's x
        EXPECT_EQ(Show(own->Find("key", FALSE)), "int:3");
        EXPECT_EQ(parameters.GetResults()->FindEntry("y", FALSE), own->Find("y", FALSE));
        EXPECT_EQ(own->GetParent(), &Scope());
    }
    EXPECT_EQ(Show(Var("x")), "int:7");
    EXPECT_EQ(Show(Var("key")), "int:3");
    EXPECT_EQ(Scope().Find("y", FALSE), nullptr);
}

TEST_F(ExprFixture, ParameterListsOfCommandsAreCompiledOnceRegistered) {
    QZTemplateExprContext::Register();
    // The page owns the command, as it owns every command made in it.
    auto* command = new QZCmdFunction(&page, "width = 10 * 2, \"x\"", OBJ_PAGE);
    command->Execute();
    EXPECT_EQ(Show(command->FindNamedParam("width", QZSymbol::TYPE_INTEGER)), "int:20");
    EXPECT_EQ(Show(command->FindPositionalParam(2, QZSymbol::TYPE_STRING)), "str:x");
    QZArgumentContext::SetTemplateMaker(nullptr);
}
