#pragma once
// Stands in for the row commands until they exist: <<addrow key, field = value ...>> (and
// editrow, delrow) checks its parameters, prepares its row-action set with the variables of its
// own scope and writes "ok" or the failure text; an engine error is written as
// "engine <number>: <text>". Registered for addrow, editrow and delrow while a test runs.

#include "platform/dao/CDaoException.h"
#include "template/commands/QZArgumentContext.h"
#include "template/data/CActionSet.h"
#include "template/data/QZCmdRowAction.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZToken.h"

class TestRowCommand : public QZCmdRowAction {
public:
    TestRowCommand(QZVantrelContext* context, const CString& arguments, int token)
        : QZCmdRowAction(context, arguments), m_token(token) {}

    template <int token>
    static QZCommandBase* Make(QZVantrelContext* context, const CString& arguments) {
        return new TestRowCommand(context, arguments, token);
    }
    static void Register() {
        QZCommandFactory::Register(TOKEN_ADDROW, &Make<TOKEN_ADDROW>);
        QZCommandFactory::Register(TOKEN_EDITROW, &Make<TOKEN_EDITROW>);
        QZCommandFactory::Register(TOKEN_DELROW, &Make<TOKEN_DELROW>);
    }
    static void Unregister() {
        for (int token : {TOKEN_ADDROW, TOKEN_EDITROW, TOKEN_DELROW})
            QZCommandFactory::Register(token, nullptr);
    }

    void ExecuteAction() override {
        if (!CheckParameters())
            return;
        try {
            SymbolTable* variables = GetArguments()->GetSymbolTable();
            if (!m_pActionSet->Prepare(m_pSiteDb, m_queryKey, variables)) {
                Write("not prepared");
                return;
            }
            CString result = m_token == TOKEN_ADDROW    ? m_pActionSet->AddRow(nullptr)
                             : m_token == TOKEN_EDITROW ? m_pActionSet->EditRow(nullptr)
                                                        : m_pActionSet->DelRow(nullptr);
            Write(result.IsEmpty() ? CString("ok") : result);
        } catch (CDaoException* e) {
            e->GetErrorInfo(0);
            CString text;
            text.Format("engine %ld: %s", e->m_pErrorInfo->m_lErrorCode,
                        static_cast<LPCTSTR>(e->m_pErrorInfo->m_strDescription));
            e->Delete();
            Write(text);
        }
    }

private:
    int m_token;
};
