#pragma once
// What running template text needs of the content object it runs for, beyond the log and the
// identity of QZTemplateOwner: its parser, where its output goes, whether it is previewing,
// the context it runs on behalf of, and its run count. Content objects that carry template
// text implement it; the contexts and commands hold their owners through it.

#include "template/QZTemplateOwner.h"

class CFile;
class QZVantrelContext;
class QZVantrelMemoFld;

class QZTemplateRunOwner : public QZTemplateOwner {
public:
    // The parser of the object's own text; commands take their line from its current token.
    virtual QZVantrelMemoFld* GetParser() const = 0;
    // The context on whose behalf a form or scheduled event runs, or none.
    virtual QZVantrelContext* GetCallingContext() const = 0;
    // The open file that the object's output is written to, or none.
    virtual CFile* GetOutputFile() const = 0;
    // Set while the object writes its output for preview.
    virtual BOOL IsPreview() const = 0;
    // Counts one run of a context that the object owns.
    virtual void CountRun() = 0;
    // The runs counted so far in this generation, the macros' runs included.
    virtual LONG GetRunCount() const = 0;

    // Set once writing the output failed during this run; the run then counts as failed and
    // no more output is attempted. The object clears it when a run starts.
    virtual BOOL IsOutputFailed() const = 0;
    virtual void SetOutputFailed() = 0;

    // E-mail messages: appends output to the part of the message being written.
    virtual void AppendOutput(const CString& text) { (void)text; }
    // Pages: adds a row to the dependents table saying that `objKey` uses `useKey`.
    virtual void AddDependent(const QZKeyCombo& objKey, SHORT objType, const QZKeyCombo& useKey,
                              SHORT useType) {
        (void)objKey, (void)objType, (void)useKey, (void)useType;
    }
};
