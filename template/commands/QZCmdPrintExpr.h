#pragma once
// The print command <<print value, pictures ...>>: writes a value into the output in the form
// of its type, or through a picture: "format" (or the 2nd parameter) for positive numbers,
// valid dates and currency and non-empty strings; "neg" (3rd) for numbers below zero; "empty"
// (3rd) for dates and currency that are not valid and for empty strings; "zero" (4th) for
// numbers equal to zero. Only a picture that holds a string counts.

#include "template/commands/QZCmdFunction.h"

class COleCurrency;
class COleDateTime;
class QZSymbol;

class QZCmdPrintExpr : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdPrintExpr)
public:
    // The parameters form a list of their own; key constants get no default type.
    QZCmdPrintExpr(QZVantrelContext* context, const CString& arguments);
    static QZCommandBase* Make(QZVantrelContext* context, const CString& arguments);
    static CString GetSkeleton();

    // "<<print " parameters ">>".
    void WriteSource(CString& text) override;
    void Execute() override;

    // The three kinds of picture.
    static CString FormatNumber(double value, const CString& picture);
    static CString FormatText(const CString& value, const CString& picture);
    static CString FormatDate(const COleDateTime& value, const CString& picture);

private:
    // The text that print writes for an entry, with the pictures of this run.
    CString FormatEntry(const QZSymbol& entry);
    // The picture of a role: by name, else by position; empty when there is none.
    CString FindPicture(const char* name, LONG position);
    CString FindNumberPicture(double& value);
    CString FormatInteger(LONG value);
    CString FormatDouble(double value);
    CString FormatCurrency(const COleCurrency& value);
    CString FormatDateEntry(const QZSymbol& entry);
    CString FormatString(const CString& value);
};
