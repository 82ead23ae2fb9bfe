#pragma once
// Stands in for the query command until it exists: <<query key>> body <</query>> opens the
// rows of the key through a row source the test supplies and runs the body for each row, as
// the query command's run-time object will: "[rowcount]" once the rows are open, then for
// every row the move, "[rownumber]", the row's cached fields forgotten, and the body run.

#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandBase.h"
#include "template/expressions/QZQueryExprContext.h"
#include "template/expressions/QZQueryRowSource.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The rows of one run of a test query.
class TestQueryRows : public QZQueryRowSource {
public:
    // Opens the rows of the query object `key`, with parameters from `context`; the row count,
    // or -1 when the rows could not be opened.
    virtual LONG Open(const QZKeyCombo& key, QZVantrelContext* context) = 0;
    virtual BOOL MoveFirst() = 0;
    virtual BOOL MoveNext() = 0;
};

// Rows held in memory: field name to value, for every key alike.
class MemoryRows : public TestQueryRows {
public:
    using Row = std::map<std::string, COleVariant>;
    explicit MemoryRows(std::vector<Row> rows) : m_rows(std::move(rows)) {}

    LONG Open(const QZKeyCombo&, QZVantrelContext*) override {
        return static_cast<LONG>(m_rows.size());
    }
    BOOL MoveFirst() override { return (m_current = 0) < m_rows.size(); }
    BOOL MoveNext() override { return ++m_current < m_rows.size(); }
    COleVariant GetFieldValue(const CString& name) override {
        auto field = m_rows[m_current].find(name.str());
        if (field != m_rows[m_current].end())
            return field->second;
        COleVariant null;
        null.vt = VT_NULL;
        return null;
    }

private:
    std::vector<Row> m_rows;
    size_t m_current = 0;
};

class TestQueryCommand : public QZCommandBase {
public:
    using RowMaker = std::function<std::unique_ptr<TestQueryRows>()>;

    TestQueryCommand(QZVantrelContext* context, const CString& arguments) : QZCommandBase(context) {
        m_source = arguments;
        auto* query = new QZQueryExprContext(context);
        m_pExprContext = query;
        query->SetDefaultKeyType(OBJ_QUERY);
        query->Parse(arguments);
        m_body = std::make_unique<QZVantrelStmtContext>(query, this);
    }
    ~TestQueryCommand() override { m_body.reset(); }

    // Makes this the query command, with rows from `maker`, until Unregister.
    static void Register(RowMaker maker) {
        Maker() = std::move(maker);
        QZCommandFactory::Register(
            TOKEN_QUERY, [](QZVantrelContext* context, const CString& arguments) -> QZCommandBase* {
                return new TestQueryCommand(context, arguments);
            });
    }
    static void Unregister() {
        QZCommandFactory::Register(TOKEN_QUERY, nullptr);
        Maker() = nullptr;
    }

    QZVantrelStmtContext* GetSection(Section section) override {
        return section == SECTION_BODY ? m_body.get() : nullptr;
    }
    void WriteSource(CString& text) override {
        text += "<<query " + static_cast<QZArgumentContext*>(m_pExprContext)->GetTranslatedText() +
                ">>";
        m_body->WriteSource(text);
        text += "<</query>>";
    }

    void Execute() override {
        QZCommandBase::Execute();
        auto* query = static_cast<QZQueryExprContext*>(m_pExprContext);
        QZSymbol* key = query->GetResult();
        std::unique_ptr<TestQueryRows> rows = Maker()();
        LONG count = rows->Open(key != nullptr ? key->GetKey() : QZKeyCombo(), query);
        query->SetQuery(rows.get());
        // The counters are this query's own, never an enclosing query's.
        if (count >= 0)
            query->GetFieldTable()->Define("[rowcount]", FALSE)->SetInteger(count);
        LONG number = 0;
        for (BOOL more = count > 0 && rows->MoveFirst(); more; more = rows->MoveNext()) {
            query->GetFieldTable()->Define("[rownumber]", FALSE)->SetInteger(++number);
            query->ClearRowFields();
            m_body->Execute();
        }
        query->SetQuery(nullptr);
    }

private:
    static RowMaker& Maker() {
        static RowMaker maker;
        return maker;
    }

    std::unique_ptr<QZVantrelStmtContext> m_body;
};
