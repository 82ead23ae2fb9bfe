#pragma once
// A small parameter-list context for tests, installed in place of the expression language:
// it reads `value` or `name=value` items separated by commas, where a value is an integer, a
// decimal number, a double-quoted string, or `&name` for a reference to a string "target".

#include "template/commands/QZArgumentContext.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <cstdlib>
#include <memory>

class FakeArgumentList : public QZArgumentContext {
public:
    explicit FakeArgumentList(QZVantrelContext* parent) : QZArgumentContext(parent) {}

    static QZArgumentContext* Make(QZVantrelContext* parent) {
        return new FakeArgumentList(parent);
    }
    static void Install() { QZArgumentContext::SetTemplateMaker(&Make); }
    static void Uninstall() { QZArgumentContext::SetTemplateMaker(nullptr); }

    void Parse(const CString& text) override {
        m_text = text;
        parses++;
        m_table = std::make_unique<SymbolTable>(nullptr);
        m_results = std::make_unique<QZBlockList>();
        m_result = nullptr;
        QZSymbol* target = m_table->AddEntry("t", 1);
        target->SetString("target");
        CString rest = text;
        while (!rest.IsEmpty()) {
            int comma = rest.Find(',');
            CString item = comma < 0 ? rest : rest.Left(comma);
            rest = comma < 0 ? CString() : rest.Mid(comma + 1);
            item.Trim();
            int equals = item.Find('=');
            QZSymbol* entry = m_table->AddEntry(equals < 0 ? CString() : item.Left(equals), 1);
            CString value = equals < 0 ? item : item.Mid(equals + 1);
            if (value.Left(1) == "\"")
                entry->SetString(value.Mid(1, value.GetLength() - 2));
            else if (value.Left(1) == "&")
                entry->SetReference(target);
            else if (value.Find('.') >= 0)
                entry->SetDouble(std::atof(value));
            else if (!value.IsEmpty())
                entry->SetInteger(std::atoi(value));
            m_results->AddTail(entry, 1, 1);
            if (m_result == nullptr)
                m_result = entry;
        }
    }
    int NextToken() override { return -1; }
    CString GetTokenName(int) override { return CString(); }
    void Execute() override { runs++; }

    const CString& GetTranslatedText() const override { return m_text; }
    QZSymbol* GetResult() const override { return m_result; }
    QZBlockList* GetResults() const override { return m_results.get(); }
    void SetDefaultKeyType(SHORT type) override { keyType = type; }

    int parses = 0;
    int runs = 0;
    SHORT keyType = 2;

private:
    std::unique_ptr<SymbolTable> m_table;
    std::unique_ptr<QZBlockList> m_results;
    QZSymbol* m_result = nullptr;
};
