#include "template/expressions/QZFuncExprStmt.h"

#include "template/expressions/QZExprConvert.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <cmath>

IMPLEMENT_DYNAMIC(QZFuncExprStmt, QZExprStmt)

QZFuncExprStmt::QZFuncExprStmt(QZExprContext* context, int number, QZBlockList* arguments,
                               QZSymbol* result)
    : QZExprStmt(context, number, result), m_pArguments(arguments) {}

QZFuncExprStmt::~QZFuncExprStmt() = default;

QZSymbol* QZFuncExprStmt::Argument(int n) const {
    if (m_pArguments == nullptr)
        return nullptr;
    QZBlockList::Node* node = m_pArguments->GetHead();
    for (int i = 1; node != nullptr && i < n; i++)
        node = node->next;
    return node != nullptr ? node->item : nullptr;
}

BOOL QZFuncExprStmt::Mathematical(int number, double x, double& value) {
    switch (number) {
    case FN_ACOS:
        value = std::acos(x);
        return TRUE;
    case FN_ASIN:
        value = std::asin(x);
        return TRUE;
    case FN_ATAN:
        value = std::atan(x);
        return TRUE;
    case FN_COS:
        value = std::cos(x);
        return TRUE;
    case FN_COSH:
        value = std::cosh(x);
        return TRUE;
    case FN_EXP:
        value = std::exp(x);
        return TRUE;
    case FN_LOG:
        value = std::log(x);
        return TRUE;
    case FN_LOG10:
        value = std::log10(x);
        return TRUE;
    case FN_SIN:
        value = std::sin(x);
        return TRUE;
    case FN_SINH:
        value = std::sinh(x);
        return TRUE;
    case FN_SQRT:
        value = std::sqrt(x);
        return TRUE;
    case FN_TAN:
        value = std::tan(x);
        return TRUE;
    case FN_TANH:
        value = std::tanh(x);
        return TRUE;
    default:
        return FALSE;
    }
}

void QZFuncExprStmt::Execute() {
    QZSymbol* argument = Argument(1);
    if (argument == nullptr || m_pResultEntry == nullptr) {
        Error("invalid or missing argument");
        return;
    }
    // Arguments are used as they stand: a wrong type leaves the result as it was.
    LONG type = argument->GetType();
    BOOL number = type == QZSymbol::TYPE_INTEGER || type == QZSymbol::TYPE_DOUBLE;
    double x = type == QZSymbol::TYPE_INTEGER ? argument->GetInteger() : argument->GetDouble();
    double value;
    switch (m_nOperation) {
    case FN_STRLEN:
        if (type == QZSymbol::TYPE_STRING)
            m_pResultEntry->SetInteger(argument->GetString().GetLength());
        break;
    case FN_DEFINED:
        m_pResultEntry->SetInteger(argument->HasValue() ? 1 : 0);
        break;
    case FN_SIZE:
        if (type == QZSymbol::TYPE_ARRAY && argument->GetArray() != nullptr)
            m_pResultEntry->SetInteger(argument->GetArray()->GetCount());
        break;
    case FN_ABS:
        if (type == QZSymbol::TYPE_INTEGER) {
            LONG n = argument->GetInteger();
            m_pResultEntry->SetInteger(n < 0 ? QZExprConvert::WrapNegate(n) : n);
        } else if (type == QZSymbol::TYPE_DOUBLE) {
            m_pResultEntry->SetDouble(std::fabs(x));
        }
        break;
    case FN_CEILING:
    case FN_FLOOR:
        if (number)
            m_pResultEntry->SetInteger(QZExprConvert::ToInteger(
                m_nOperation == FN_CEILING ? std::ceil(x) : std::floor(x)));
        break;
    case FN_FLOAT:
        if (type == QZSymbol::TYPE_STRING)
            m_pResultEntry->SetDouble(QZExprConvert::ReadDouble(argument->GetString()));
        break;
    case FN_INT:
        if (type == QZSymbol::TYPE_STRING)
            m_pResultEntry->SetInteger(QZExprConvert::ReadInteger(argument->GetString()));
        break;
    default:
        if (number && Mathematical(m_nOperation, x, value))
            m_pResultEntry->SetDouble(value);
        break;
    }
}
