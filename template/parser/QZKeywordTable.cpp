#include "template/parser/QZKeywordTable.h"

#include "template/expressions/QZFuncExprStmt.h"
#include "template/expressions/QZMethodExprStmt.h"
#include "template/parser/QZToken.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <iterator>

namespace {
// The function and method words carry the numbers that the expression statements run by.
using Fn = QZFuncExprStmt;
using Method = QZMethodExprStmt;

const QZKeywordTable::Row kRows[] = {
    {"!", TOKEN_COMMENT, false, 0},
    {"if", TOKEN_IF, false, 0},
    {"else", TOKEN_ELSE, false, 0},
    {"/if", TOKEN_ENDIF, false, 0},
    {"when", TOKEN_WHEN, false, 0},
    {"is", TOKEN_IS, false, 0},
    {"/when", TOKEN_ENDWHEN, false, 0},
    {"while", TOKEN_WHILE, false, 0},
    {"/while", TOKEN_ENDWHILE, false, 0},
    {"for", TOKEN_FOR, false, 0},
    {"/for", TOKEN_ENDFOR, false, 0},
    {"repeat", TOKEN_REPEAT, false, 0},
    {"until", TOKEN_UNTIL, false, 0},
    {"set", TOKEN_SET, false, 0},
    {"setdefault", TOKEN_SETDEFAULT, false, 0},
    {"print", TOKEN_PRINT, false, 0},
    {"image", TOKEN_IMAGE, false, 0},
    {"macro", TOKEN_MACRO, false, 0},
    {"file", TOKEN_FILE, false, 0},
    {"printfile", TOKEN_FILE, false, 0},
    {"link", TOKEN_LINK, false, 0},
    {"/link", TOKEN_ENDLINK, false, 0},
    {"extlink", TOKEN_EXTLINK, false, 0},
    {"/extlink", TOKEN_ENDEXTLINK, false, 0},
    {"form", TOKEN_FORM, false, 0},
    {"query", TOKEN_QUERY, false, 0},
    {"/query", TOKEN_ENDQUERY, false, 0},
    {"norows", TOKEN_NOROWS, false, 0},
    {"firstrow", TOKEN_FIRSTROW, false, 0},
    {"/firstrow", TOKEN_ENDFIRSTROW, false, 0},
    {"group", TOKEN_GROUP, false, 0},
    {"/group", TOKEN_ENDGROUP, false, 0},
    {"interpret", TOKEN_INTERPRET, false, 0},
    {"returnpage", TOKEN_RETURNPAGE, false, 0},
    {"email", TOKEN_EMAIL, false, 0},
    {"addrow", TOKEN_ADDROW, false, 0},
    {"addrows", TOKEN_ADDROWS, false, 0},
    {"delrow", TOKEN_DELROW, false, 0},
    {"editrow", TOKEN_EDITROW, false, 0},
    {"editrows", TOKEN_EDITROWS, false, 0},
    {"execquery", TOKEN_EXECQUERY, false, 0},
    {"encrypt", TOKEN_ENCRYPT, false, 0},
    {"/encrypt", TOKEN_ENDENCRYPT, false, 0},
    {"attach", TOKEN_ATTACH, false, 0},
    {"setcookie", TOKEN_SETCOOKIE, false, 0},
    {"param", TOKEN_PARAM, false, 0},
    {"script", TOKEN_SCRIPT, false, 0},
    {"java", TOKEN_JAVA, false, 0},
    {"/java", TOKEN_ENDJAVA, false, 0},
    {"activex", TOKEN_ACTIVEX, false, 0},
    {"/activex", TOKEN_ENDACTIVEX, false, 0},
    {"media", TOKEN_MEDIA, false, 0},
    {"/media", TOKEN_ENDMEDIA, false, 0},
    {"adspace", TOKEN_ADSPACE, false, 0},
    {"generate", TOKEN_GENERATE, false, 0},
    {"readfile", TOKEN_READFILE, false, 0},
    {"writefile", TOKEN_WRITEFILE, false, 0},
    {"run", TOKEN_RUN, false, 0},
    {"linkid", TOKEN_IDENTIFIER, true, 0},
    {"top", TOKEN_BUILTIN, true, QZKeywordTable::ALIGN_TOP},
    {"middle", TOKEN_BUILTIN, true, QZKeywordTable::ALIGN_MIDDLE},
    {"bottom", TOKEN_BUILTIN, true, QZKeywordTable::ALIGN_BOTTOM},
    {"right", TOKEN_BUILTIN, true, QZKeywordTable::ALIGN_RIGHT},
    {"left", TOKEN_BUILTIN, true, QZKeywordTable::ALIGN_LEFT},
    {"and", TOKEN_AND, false, 0},
    {"or", TOKEN_OR, false, 0},
    {"not", TOKEN_NOT, false, 0},
    {"version", TOKEN_BUILTIN, false, 0},
    {"LastChanged", TOKEN_BUILTIN, false, 0},
    {"Date", TOKEN_BUILTIN, false, 0},
    {"Time", TOKEN_BUILTIN, false, 0},
    {"Generated", TOKEN_BUILTIN, false, 0},
    {"URL", TOKEN_BUILTIN, false, 0},
    {"title", TOKEN_BUILTIN, false, 0},
    {"service", TOKEN_BUILTIN, false, 0},
    {"section", TOKEN_BUILTIN, false, 0},
    {"background", TOKEN_BUILTIN, false, 0},
    {"bgcolor", TOKEN_BUILTIN, false, 0},
    {"textcolor", TOKEN_BUILTIN, false, 0},
    {"linkcolor", TOKEN_BUILTIN, false, 0},
    {"vlinkcolor", TOKEN_BUILTIN, false, 0},
    {"alinkcolor", TOKEN_BUILTIN, false, 0},
    {"webmaster", TOKEN_BUILTIN, false, 0},
    {"sequence", TOKEN_BUILTIN, false, 0},
    {"default", TOKEN_BUILTIN, false, 0},
    {"next", TOKEN_BUILTIN, false, 0},
    {"prev", TOKEN_BUILTIN, false, 0},
    {"dberror", TOKEN_BUILTIN, false, 0},
    {"strlen", TOKEN_FUNCTION, true, Fn::FN_STRLEN},
    {"defined", TOKEN_FUNCTION, true, Fn::FN_DEFINED},
    {"size", TOKEN_FUNCTION, true, Fn::FN_SIZE},
    {"abs", TOKEN_FUNCTION, true, Fn::FN_ABS},
    {"acos", TOKEN_FUNCTION, true, Fn::FN_ACOS},
    {"asin", TOKEN_FUNCTION, true, Fn::FN_ASIN},
    {"atan", TOKEN_FUNCTION, true, Fn::FN_ATAN},
    {"ceiling", TOKEN_FUNCTION, true, Fn::FN_CEILING},
    {"cos", TOKEN_FUNCTION, true, Fn::FN_COS},
    {"cosh", TOKEN_FUNCTION, true, Fn::FN_COSH},
    {"exp", TOKEN_FUNCTION, true, Fn::FN_EXP},
    {"floor", TOKEN_FUNCTION, true, Fn::FN_FLOOR},
    {"log", TOKEN_FUNCTION, true, Fn::FN_LOG},
    {"log10", TOKEN_FUNCTION, true, Fn::FN_LOG10},
    {"sin", TOKEN_FUNCTION, true, Fn::FN_SIN},
    {"sinh", TOKEN_FUNCTION, true, Fn::FN_SINH},
    {"sqrt", TOKEN_FUNCTION, true, Fn::FN_SQRT},
    {"tan", TOKEN_FUNCTION, true, Fn::FN_TAN},
    {"tanh", TOKEN_FUNCTION, true, Fn::FN_TANH},
    {"float", TOKEN_FUNCTION, true, Fn::FN_FLOAT},
    {"int", TOKEN_FUNCTION, true, Fn::FN_INT},
    {"GetLength", TOKEN_METHOD, true, Method::M_GETLENGTH},
    {"IsEmpty", TOKEN_METHOD, true, Method::M_ISEMPTY},
    {"GetAt", TOKEN_METHOD, true, Method::M_GETAT},
    {"SetAt", TOKEN_METHOD, true, Method::M_SETAT},
    {"Compare", TOKEN_METHOD, true, Method::M_COMPARE},
    {"CompareNoCase", TOKEN_METHOD, true, Method::M_COMPARENOCASE},
    {"GetMid", TOKEN_METHOD, true, Method::M_GETMID},
    {"Mid", TOKEN_METHOD, true, Method::M_GETMID},
    {"GetLeft", TOKEN_METHOD, true, Method::M_GETLEFT},
    {"GetRight", TOKEN_METHOD, true, Method::M_GETRIGHT},
    {"SpanIncluding", TOKEN_METHOD, true, Method::M_SPANINCLUDING},
    {"SpanExcluding", TOKEN_METHOD, true, Method::M_SPANEXCLUDING},
    {"Find", TOKEN_METHOD, true, Method::M_FIND},
    {"ReverseFind", TOKEN_METHOD, true, Method::M_REVERSEFIND},
    {"GetYear", TOKEN_METHOD, true, Method::M_GETYEAR},
    {"GetMonth", TOKEN_METHOD, true, Method::M_GETMONTH},
    {"GetDay", TOKEN_METHOD, true, Method::M_GETDAY},
    {"GetHour", TOKEN_METHOD, true, Method::M_GETHOUR},
    {"GetMinute", TOKEN_METHOD, true, Method::M_GETMINUTE},
    {"GetSecond", TOKEN_METHOD, true, Method::M_GETSECOND},
    {"GetDayOfWeek", TOKEN_METHOD, true, Method::M_GETDAYOFWEEK},
    {"GetDayOfYear", TOKEN_METHOD, true, Method::M_GETDAYOFYEAR},
    {"GetYears", TOKEN_METHOD, true, Method::M_GETYEARS},
    {"GetMonths", TOKEN_METHOD, true, Method::M_GETMONTHS},
    {"GetDays", TOKEN_METHOD, true, Method::M_GETDAYS},
    {"GetHours", TOKEN_METHOD, true, Method::M_GETHOURS},
    {"GetMinutes", TOKEN_METHOD, true, Method::M_GETMINUTES},
    {"GetSeconds", TOKEN_METHOD, true, Method::M_GETSECONDS},
    {"GetTotalMonths", TOKEN_METHOD, true, Method::M_GETTOTALMONTHS},
    {"GetTotalDays", TOKEN_METHOD, true, Method::M_GETTOTALDAYS},
    {"GetTotalHours", TOKEN_METHOD, true, Method::M_GETTOTALHOURS},
    {"GetTotalMinutes", TOKEN_METHOD, true, Method::M_GETTOTALMINUTES},
    {"GetTotalSeconds", TOKEN_METHOD, true, Method::M_GETTOTALSECONDS},
    {"true", TOKEN_BUILTIN, true, TRUE},
    {"false", TOKEN_BUILTIN, true, FALSE},
    {"dump", TOKEN_DUMP, false, 0},
};
} // namespace

void QZKeywordTable::Fill(SymbolTable& table) {
    for (const Row& row : kRows) {
        QZSymbol* entry = table.AddEntry(row.word, row.token);
        if (entry != nullptr && row.valued)
            entry->SetInteger(row.value);
    }
}

const QZKeywordTable::Row* QZKeywordTable::GetRows(int& count) {
    count = static_cast<int>(std::size(kRows));
    return kRows;
}

LPCTSTR QZKeywordTable::FindWord(int token) {
    for (const Row& row : kRows) {
        if (row.token == token)
            return row.word;
    }
    return nullptr;
}
