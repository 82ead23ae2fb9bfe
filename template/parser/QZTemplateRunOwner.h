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
    // The runs counted so far in this generation, shared by every context and macro of it.
    virtual LONG GetRunCount() const = 0;
    // Loops stop turning, and macros refuse to run, once the run count is above this.
    static constexpr LONG kRunLimit = 100000;
    BOOL IsOverRunLimit() const { return GetRunCount() > kRunLimit; }

    // Set once writing the output failed during this run; the run then counts as failed and
    // no more output is attempted. The object clears it when a run starts.
    virtual BOOL IsOutputFailed() const = 0;
    virtual void SetOutputFailed() = 0;

    // Links: 1 while a link may be opened in the object's running text (no link is open);
    // the link commands switch it off while a link's body runs.
    virtual int GetLinkFlag() const { return 0; }
    virtual void SetLinkFlag(int flag) { (void)flag; }
    // "../" once for every directory level from the generated file up to the site root.
    virtual const CString& GetRelativePath() const {
        static const CString none;
        return none;
    }
    // Pages: TRUE for a page that the server-side interpreter runs (it is never generated).
    virtual BOOL IsDynamic() const { return FALSE; }

    // E-mail messages: appends output to the part of the message being written.
    virtual void AppendOutput(const CString& text) { (void)text; }
    // Pages: adds a row to the dependents table saying that `objKey` uses `useKey`.
    virtual void AddDependent(const QZKeyCombo& objKey, SHORT objType, const QZKeyCombo& useKey,
                              SHORT useType) {
        (void)objKey, (void)objType, (void)useKey, (void)useType;
    }
};
