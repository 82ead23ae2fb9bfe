#pragma once
// A stand-in for the content object that runs template text: it keeps every engine message,
// collects its output in memory (or fails to write it, like a full disk), and counts runs.

#include "platform/core/CFile.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZVantrelMemoFld.h"

#include <string>
#include <vector>

// An output file that keeps what is written, or throws as a full disk does.
class MemoryFile : public CFile {
public:
    void Write(const void* data, UINT count) override {
        writes++;
        if (full)
            AfxThrowFileException(CFileException::diskFull, 28, "page.html");
        text.append(static_cast<const char*>(data), count);
    }
    std::string text;
    int writes = 0;
    bool full = false;
};

class FakeRunOwner : public QZTemplateRunOwner {
public:
    struct Message {
        int kind;
        std::string text;
        LONG line;
        bool operator==(const Message&) const = default;
    };
    struct Dependent {
        QZKeyCombo obj;
        SHORT objType;
        QZKeyCombo use;
        SHORT useType;
    };

    explicit FakeRunOwner(SHORT type = OBJ_PAGE, const QZKeyCombo& key = QZKeyCombo(1, 42))
        : m_type(type), m_key(key) {}

    void PostEngineMessage(int kind, const CString& text, LONG line) override {
        messages.push_back({kind, text.str(), line});
    }
    SHORT GetObjectType() const override { return m_type; }
    QZKeyCombo GetKey() const override { return m_key; }
    CString GetName() const override { return "Fake page"; }

    QZVantrelMemoFld* GetParser() const override { return parser; }
    QZVantrelContext* GetCallingContext() const override { return callingContext; }
    CFile* GetOutputFile() const override { return outputFile; }
    BOOL IsPreview() const override { return preview; }
    void CountRun() override { runs++; }
    LONG GetRunCount() const override { return runs; }
    BOOL IsOutputFailed() const override { return outputFailed; }
    void SetOutputFailed() override { outputFailed = TRUE; }
    void AppendOutput(const CString& text) override { appended += text.str(); }
    void AddDependent(const QZKeyCombo& objKey, SHORT objType, const QZKeyCombo& useKey,
                      SHORT useType) override {
        dependents.push_back({objKey, objType, useKey, useType});
    }

    // Makes this object the message, run and page owner of a parser and gives it the mode.
    void Own(QZVantrelMemoFld& memo, SHORT mode) {
        parser = &memo;
        memo.SetMessageOwner(this);
        memo.SetRunOwner(this);
        memo.SetPageOwner(this);
        memo.SetMessageTarget(this);
        memo.SetMode(mode);
    }

    std::vector<Message> messages;
    std::vector<Dependent> dependents;
    std::string appended;
    QZVantrelMemoFld* parser = nullptr;
    QZVantrelContext* callingContext = nullptr;
    CFile* outputFile = nullptr;
    BOOL preview = FALSE;
    BOOL outputFailed = FALSE;
    int runs = 0;

private:
    SHORT m_type;
    QZKeyCombo m_key;
};
