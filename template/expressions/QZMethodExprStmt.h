#pragma once
// A call of a method of a string, date or date span value (`s.GetLength()`, `d.GetYear()`,
// `span.GetTotalHours()` ...); the operation code is the method's number.

#include "template/expressions/QZFuncExprStmt.h"

class QZMethodExprStmt : public QZFuncExprStmt {
    DECLARE_DYNAMIC(QZMethodExprStmt)
public:
    // Method numbers.
    enum : int {
        M_GETLENGTH = 2001,
        M_GETAT,
        M_SETAT,
        M_ISEMPTY,
        M_COMPARE,
        M_COMPARENOCASE,
        M_GETMID,
        M_GETLEFT,
        M_GETRIGHT,
        M_SPANINCLUDING,
        M_SPANEXCLUDING,
        M_GETYEAR,
        M_GETMONTH,
        M_GETDAY,
        M_GETHOUR,
        M_GETMINUTE,
        M_GETSECOND,
        M_GETDAYOFWEEK,
        M_GETDAYOFYEAR,
        M_GETDAYS,
        M_GETHOURS,
        M_GETMINUTES,
        M_GETSECONDS,
        M_GETTOTALDAYS,
        M_GETTOTALHOURS,
        M_GETTOTALMINUTES,
        M_GETTOTALSECONDS,
        M_FIND,
        M_REVERSEFIND,
        M_GETYEARS,
        M_GETMONTHS,
        M_GETTOTALMONTHS,
    };

    QZMethodExprStmt(QZExprContext* context, int number, QZSymbol* object, QZBlockList* arguments,
                     QZSymbol* result);

    void Execute() override;

    QZSymbol* GetObject() const { return m_pObject; }

private:
    void StringMethod(QZSymbol* object, QZSymbol* first, QZSymbol* second);
    void Positioned(const CString& text, QZSymbol* first, QZSymbol* second);
    void Compared(const CString& text, QZSymbol* first);
    void Spanned(const CString& text, QZSymbol* first);
    void Found(const CString& text, QZSymbol* first);
    void DateMethod(QZSymbol* object);
    void SpanMethod(QZSymbol* object);
    // A position argument: an integer, or a double truncated.
    static BOOL Position(const QZSymbol* argument, LONG& position);

    QZSymbol* m_pObject;
};
