#include "template/commands/QZCmdPrintExpr.h"

#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZDatePicture.h"
#include "template/commands/QZNumberPicture.h"
#include "template/commands/QZTextPicture.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"

#include <cstdint>

IMPLEMENT_DYNAMIC(QZCmdPrintExpr, QZCmdFunction)

QZCmdPrintExpr::QZCmdPrintExpr(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, -1) {}

QZCommandBase* QZCmdPrintExpr::Make(QZVantrelContext* context, const CString& arguments) {
    return new QZCmdPrintExpr(context, arguments);
}

CString QZCmdPrintExpr::GetSkeleton() {
    return "<<print ???"
           ">>";
}

void QZCmdPrintExpr::WriteSource(CString& text) {
    text += "<<print " + GetArguments()->GetTranslatedText() + ">>";
}

void QZCmdPrintExpr::Execute() {
    QZCommandBase::Execute();
    QZBlockList* results = GetArguments()->GetResults();
    if (results == nullptr)
        return;
    QZSymbol* entry = results->GetHead() != nullptr ? results->GetHead()->item : nullptr;
    if (entry != nullptr && entry->GetType() == QZSymbol::TYPE_REFERENCE)
        entry = entry->GetReference();
    if (entry == nullptr) {
        Error("print: no expression to print");
        return;
    }
    // A name never given a value (nor a type) prints as empty text.
    if (entry->GetType() != QZSymbol::TYPE_NONE && !CheckValue(entry))
        return;
    Write(FormatEntry(*entry));
}

CString QZCmdPrintExpr::FormatEntry(const QZSymbol& entry) {
    switch (entry.GetType()) {
    case QZSymbol::TYPE_INTEGER:
        return FormatInteger(entry.GetInteger());
    case QZSymbol::TYPE_DOUBLE:
        return FormatDouble(entry.GetDouble());
    case QZSymbol::TYPE_CURRENCY:
        return FormatCurrency(entry.GetCurrency());
    case QZSymbol::TYPE_DATE:
        return FormatDateEntry(entry);
    case QZSymbol::TYPE_STRING:
        return FormatString(entry.GetString());
    case QZSymbol::TYPE_KEY:
        return entry.GetKey().FormatFull();
    default:
        return CString();
    }
}

CString QZCmdPrintExpr::FindPicture(const char* name, LONG position) {
    QZSymbol* picture = FindNamedParam(name, QZSymbol::TYPE_STRING);
    if (picture == nullptr)
        picture = FindPositionalParam(position, QZSymbol::TYPE_STRING);
    return picture != nullptr ? picture->GetString() : CString();
}

// Numbers below zero take the negative picture, and are then printed negated; zero takes the
// zero picture; without those, and for the rest, the picture.
CString QZCmdPrintExpr::FindNumberPicture(double& value) {
    CString picture;
    if (value < 0) {
        picture = FindPicture("neg", 3);
        if (!picture.IsEmpty())
            value = -value;
    } else if (value == 0) {
        picture = FindPicture("zero", 4);
    }
    return picture.IsEmpty() ? FindPicture("format", 2) : picture;
}

CString QZCmdPrintExpr::FormatInteger(LONG value) {
    double shown = value;
    CString picture = FindNumberPicture(shown);
    if (!picture.IsEmpty())
        return FormatNumber(shown, picture);
    CString text;
    text.Format("%d", static_cast<int>(value));
    return text;
}

CString QZCmdPrintExpr::FormatDouble(double value) {
    double shown = value;
    CString picture = FindNumberPicture(shown);
    if (!picture.IsEmpty())
        return FormatNumber(shown, picture);
    CString text;
    text.Format("%g", value);
    return text;
}

CString QZCmdPrintExpr::FormatCurrency(const COleCurrency& value) {
    CString picture = FindPicture(value.GetStatus() == COleCurrency::valid ? "format" : "empty",
                                  value.GetStatus() == COleCurrency::valid ? 2 : 3);
    if (!picture.IsEmpty())
        return QZNumberPicture::Format(value, picture);
    // Cents rounded half away from zero from the exact amount.
    int64_t count = value.m_cur.int64;
    uint64_t magnitude = count < 0 ? 0 - static_cast<uint64_t>(count) : count;
    uint64_t cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    CString text;
    text.Format("$%s%llu.%02llu", count < 0 && cents != 0 ? "-" : "",
                static_cast<unsigned long long>(cents / 100),
                static_cast<unsigned long long>(cents % 100));
    return text;
}

CString QZCmdPrintExpr::FormatDateEntry(const QZSymbol& entry) {
    COleDateTime date = entry.GetDate();
    bool valid = date.GetStatus() == COleDateTime::valid;
    CString picture = FindPicture(valid ? "format" : "empty", valid ? 2 : 3);
    if (!picture.IsEmpty())
        return FormatDate(date, picture);
    if (entry.GetName() == "Date")
        return date.Format("%b %d, %Y");
    if (entry.GetName() == "Time")
        return date.Format("%H:%M:%S");
    return date.Format("%a %b %d %Y %H:%M:%S");
}

CString QZCmdPrintExpr::FormatString(const CString& value) {
    CString picture = FindPicture(value.IsEmpty() ? "empty" : "format", value.IsEmpty() ? 3 : 2);
    return picture.IsEmpty() ? value : FormatText(value, picture);
}

CString QZCmdPrintExpr::FormatNumber(double value, const CString& picture) {
    return QZNumberPicture::Format(value, picture);
}

CString QZCmdPrintExpr::FormatText(const CString& value, const CString& picture) {
    return QZTextPicture::Format(value, picture);
}

CString QZCmdPrintExpr::FormatDate(const COleDateTime& value, const CString& picture) {
    return QZDatePicture::Format(value, picture);
}
