#pragma once
// A scheduled event (table MQ_Events): template text that the server runs at the times its
// schedule columns give. The event is always the generated object of its text; run on behalf
// of a calling context, its commands take their action operations. The schedule columns travel
// with the row and are read and written by the event's editor on the record itself.

#include "content/QZVantrelTemplate.h"
#include "db/CEventsSet.h"

class QZVantrelEvent : public QZVantrelTemplate {
    DECLARE_DYNAMIC(QZVantrelEvent)
public:
    // With bOpen, the row with a claim (a read-only copy when another user holds it); without,
    // the row from the events cache.
    QZVantrelEvent(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent = nullptr);
    // A new row, claimed, in the application's current service.
    QZVantrelEvent();
    ~QZVantrelEvent() override;
    QZVantrelEvent& operator=(const QZVantrelEvent& other);

    // Runs the text with the built-in variables Date, Time and Webmaster; no log lines. 1.
    virtual int RunAction();

    // Events have no parameter list: always empty.
    CString& GetParametersExpected() override { return m_noParameters; }

    // Set once a returnpage command has answered the request of this run.
    BOOL HasReturnedPage() const { return m_bReturnedPage; }
    void SetReturnedPage(BOOL returned) { m_bReturnedPage = returned; }

    QZVantrelContext* GetCallingContext() const override { return m_pParentContext; }

    CEventsSet* GetRecordset() const { return RowAs<CEventsSet>(); }

private:
    void BindEventColumns(CEventsSet& set);

    BOOL m_bReturnedPage = FALSE;
    CString m_noParameters;
};
