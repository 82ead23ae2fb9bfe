#pragma once
// A call of one of the 21 built-in functions (strlen, defined, size, abs, the mathematical
// functions, float and int); the operation code is the function's number.

#include "template/expressions/QZExprStmt.h"

#include <memory>

class QZBlockList;

class QZFuncExprStmt : public QZExprStmt {
    DECLARE_DYNAMIC(QZFuncExprStmt)
public:
    // Function numbers.
    enum : int {
        FN_STRLEN = 1001,
        FN_DEFINED,
        FN_SIZE,
        FN_ABS,
        FN_ACOS,
        FN_ASIN,
        FN_ATAN,
        FN_FLOAT,
        FN_CEILING,
        FN_COS,
        FN_COSH,
        FN_EXP,
        FN_FLOOR,
        FN_LOG,
        FN_LOG10,
        FN_SIN,
        FN_SINH,
        FN_SQRT,
        FN_TAN,
        FN_TANH,
        FN_INT,
    };

    // Takes the argument list (none for an empty one), which it releases.
    QZFuncExprStmt(QZExprContext* context, int number, QZBlockList* arguments, QZSymbol* result);
    ~QZFuncExprStmt() override;

    void Execute() override;

    QZBlockList* GetArguments() const { return m_pArguments.get(); }

protected:
    // The n-th argument entry from 1, or none.
    QZSymbol* Argument(int n) const;

    std::unique_ptr<QZBlockList> m_pArguments;

private:
    // The numeric functions on a double; FALSE when the number is none of them.
    static BOOL Mathematical(int number, double x, double& value);
};
