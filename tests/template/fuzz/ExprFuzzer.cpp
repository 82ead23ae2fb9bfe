// Runs the expression language over arbitrary bytes: lexing, compiling in every kind of
// context and setting, running twice, reading the results as commands read them, and the
// key-translation modes. Nothing may crash, leak or read freed or out-of-range memory.
//
// The first byte chooses the context and its settings; the rest is the expression text.

#include "db/QZKeyTable.h"
#include "platform/core/CFile.h"
#include "template/expressions/QZLocalExprContext.h"
#include "template/expressions/QZQueryExprContext.h"
#include "template/expressions/QZQueryRowSource.h"
#include "template/expressions/QZTemplateExprContext.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

class FuzzOwner : public QZTemplateRunOwner {
public:
    void PostEngineMessage(int, const CString& text, LONG) override { chars += text.GetLength(); }
    SHORT GetObjectType() const override { return OBJ_PAGE; }
    QZKeyCombo GetKey() const override { return QZKeyCombo(1, 1); }
    CString GetName() const override { return "fuzz"; }
    QZVantrelMemoFld* GetParser() const override { return parser; }
    QZVantrelContext* GetCallingContext() const override { return nullptr; }
    CFile* GetOutputFile() const override { return nullptr; }
    BOOL IsPreview() const override { return FALSE; }
    void CountRun() override {}
    LONG GetRunCount() const override { return 0; }
    BOOL IsOutputFailed() const override { return FALSE; }
    void SetOutputFailed() override {}

    QZVantrelMemoFld* parser = nullptr;
    size_t chars = 0;
};

// A row whose fields have a value of each kind by the first letter of their name.
class FuzzRow : public QZQueryRowSource {
public:
    COleVariant GetFieldValue(const CString& name) override {
        switch (name.IsEmpty() ? 0 : name.GetAt(0)) {
        case 'i':
            return COleVariant(static_cast<LONG>(42));
        case 'd':
            return COleVariant(2.5);
        case 'c':
            return COleVariant(COleCurrency(3, 2500));
        case 't':
            return COleVariant(COleDateTime(1999, 3, 14, 10, 20, 0));
        case 'n':
            return COleVariant();
        default:
            return COleVariant(name);
        }
    }
};

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

// Variables of every type for the text to use.
void DefineVariables(SymbolTable& scope) {
    scope.SetInteger("i", 7);
    scope.SetDouble("d", -2.5);
    scope.SetString("s", "Hello, world");
    scope.SetKey("k", QZKeyCombo(3, 4));
    scope.SetDate("t", COleDateTime(1998, 5, 5, 10, 30, 0));
    scope.Define("c", TRUE)->SetCurrency(COleCurrency(12, 5000));
    scope.Define("p", TRUE)->SetSpan(QZDateSpan(1, 12, 0, 0, 2, 1));
    SymbolTable* array = scope.Define("a", TRUE)->MakeArray();
    array->GetElement(1, TRUE)->SetInteger(1);
    array->GetElement(2, TRUE)->SetString("two");
    SymbolTable* record = scope.Define("r", TRUE)->MakeRecord();
    record->Define("name", FALSE)->SetString("x");
    scope.Define("z", TRUE)->SetType(QZSymbol::TYPE_NULL);
    scope.Define("v", TRUE); // a variable without a value
}

// What commands do with the results: truth, text, and the target of a reference.
void ReadResults(QZExprContext& context) {
    QZBlockList* results = context.GetResults();
    if (results == nullptr)
        return;
    for (QZBlockList::Node* node = results->GetHead(); node != nullptr; node = node->next) {
        QZSymbol* entry = node->item;
        (void)entry->IsTrue();
        (void)entry->GetValueText();
        (void)entry->GetVariant();
        if (entry->GetType() == QZSymbol::TYPE_REFERENCE && entry->GetReference() != nullptr) {
            (void)entry->GetReference()->GetValueText();
            (void)entry->GetReference()->IsTrue();
        }
    }
}

std::unique_ptr<QZExprContext> MakeContext(int kind, QZVantrelContext* parent) {
    switch (kind) {
    case 1:
        return std::make_unique<QZTemplateExprContext>(parent);
    case 2:
        return std::make_unique<QZQueryExprContext>(parent);
    default:
        return std::make_unique<QZLocalExprContext>(parent);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    uint8_t settings = data[0];
    CString text(std::string(reinterpret_cast<const char*>(data + 1), size - 1));

    FuzzOwner owner;
    QZVantrelMemoFld page;
    owner.parser = &page;
    page.SetMessageOwner(&owner);
    page.SetRunOwner(&owner);
    page.SetMode(QZVantrelContext::MODE_GENERATE);
    DefineVariables(*page.GetSymbolTable());

    // Expressions inside a query's body, so that fields have a row to come from.
    FuzzRow row;
    QZQueryExprContext query(&page);
    query.SetQuery(&row);
    QZVantrelStmtContext body(&page, nullptr);
    body.SetQueryContext(&query);
    QZVantrelContext* parent = (settings & 0x10) ? static_cast<QZVantrelContext*>(&body) : &page;

    std::unique_ptr<QZExprContext> context = MakeContext(settings % 3, parent);
    context->SetEqualsCompares((settings & 0x04) != 0);
    context->SetAssignmentCode((settings & 0x08) ? 115 : 111);
    if (settings & 0x20) {
        context->SetLiteralMode(TRUE);
        context->SetResult(page.GetSymbolTable()->Define("target", FALSE));
    }
    context->Parse(text);
    context->Execute();
    ReadResults(*context);
    query.ClearRowFields();
    context->Execute();
    ReadResults(*context);
    context->Parse(text); // compiled again, as a command whose context is not in mode 4 is
    context->Execute();
    ReadResults(*context);

    // The translation modes rebuild the text; translating a translated text changes nothing,
    // unless a date constant broke off where a rewritten key may now continue it.
    bool dates = text.Find('#') >= 0;
    QZKeyTable keys;
    keys.AddEntry(QZKeyCombo(5, 12), QZKeyCombo(9, 99), OBJ_IMAGE);
    keys.AddEntry(QZKeyCombo(0, 7), QZKeyCombo(1, 8), OBJ_PAGE);
    for (SHORT mode : {QZVantrelContext::MODE_FIRST, QZVantrelContext::MODE_REWRITE}) {
        QZLocalExprContext translator(&page);
        translator.SetMode(mode);
        translator.Parse(text);
        CString once = translator.GetTranslatedText();
        translator.Parse(once);
        Check(dates || translator.GetTranslatedText() == once, "translation is stable");
        translator.SetTranslating(TRUE);
        translator.SetKeyTable(&keys);
        translator.Parse(text);
    }
    return 0;
}
