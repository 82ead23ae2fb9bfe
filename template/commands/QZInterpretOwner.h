#pragma once
// Stands between interpreted text and the object that interprets it: everything is that
// object's, except that the commands of the text take their lines from the text's own parser
// while it is parsed, and every message they report carries the line of the interpret
// command, the line of the object's text where the author can look.

#include "template/parser/QZTemplateRunOwner.h"

class QZInterpretOwner : public QZTemplateRunOwner {
public:
    QZInterpretOwner(QZTemplateRunOwner* owner, QZVantrelMemoFld* parser, LONG line)
        : m_pOwner(owner), m_pParser(parser), m_nLine(line) {}

    void PostEngineMessage(int kind, const CString& text, LONG) override {
        m_pOwner->PostEngineMessage(kind, text, m_nLine);
    }
    SHORT GetObjectType() const override { return m_pOwner->GetObjectType(); }
    QZKeyCombo GetKey() const override { return m_pOwner->GetKey(); }
    CString GetName() const override { return m_pOwner->GetName(); }

    QZVantrelMemoFld* GetParser() const override { return m_pParser; }
    QZVantrelContext* GetCallingContext() const override { return m_pOwner->GetCallingContext(); }
    CFile* GetOutputFile() const override { return m_pOwner->GetOutputFile(); }
    BOOL IsPreview() const override { return m_pOwner->IsPreview(); }
    void CountRun() override { m_pOwner->CountRun(); }
    LONG GetRunCount() const override { return m_pOwner->GetRunCount(); }
    BOOL IsOutputFailed() const override { return m_pOwner->IsOutputFailed(); }
    void SetOutputFailed() override { m_pOwner->SetOutputFailed(); }
    void AppendOutput(const CString& text) override { m_pOwner->AppendOutput(text); }
    void AddDependent(const QZKeyCombo& objKey, SHORT objType, const QZKeyCombo& useKey,
                      SHORT useType) override {
        m_pOwner->AddDependent(objKey, objType, useKey, useType);
    }

private:
    QZTemplateRunOwner* m_pOwner;
    QZVantrelMemoFld* m_pParser;
    LONG m_nLine;
};
