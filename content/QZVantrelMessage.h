#pragma once
// An e-mail message (table Messages): header lines and a body of template text. Compiling the
// message runs its body; everything its commands write, also through the macros they run,
// collects in the message's first output text instead of a file. Nothing here sends mail.

#include "content/QZVantrelTemplate.h"
#include "db/CMessagesSet.h"

class QZVantrelMessage : public QZVantrelTemplate {
    DECLARE_DYNAMIC(QZVantrelMessage)
public:
    static constexpr int kOutputParts = 6;

    // With bOpen, the row with a claim (a read-only copy when another user holds it); without,
    // the row from the messages cache. `parent` is the context of the text that uses it.
    QZVantrelMessage(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent = nullptr);
    // A new row, claimed, in the application's current service.
    QZVantrelMessage();
    ~QZVantrelMessage() override;
    QZVantrelMessage& operator=(const QZVantrelMessage& other);

    // Empties the first output text, selects it and runs the body into it, between
    // "Compiling" and "Done". 1.
    int Compile() override;
    // Appends to the output text of the current part; nothing for a part outside 0 to 5.
    void AppendOutput(const CString& text) override;

    // The output text of a part (0 to 5); empty for any other.
    CString GetOutput(int part) const;
    SHORT GetOutputPart() const { return m_nOutputPart; }
    void SetOutputPart(SHORT part) { m_nOutputPart = part; }

    CMessagesSet* GetRecordset() const { return RowAs<CMessagesSet>(); }

private:
    void BindMessageColumns(CMessagesSet& set);

    CString m_output[kOutputParts];
    SHORT m_nOutputPart = 0;
};
