#pragma once
// <<activex key, name=value, ...>> body <</activex>>: writes the HTML object element of a
// stored ActiveX object, its class id, code base, data, placement and flags, with the body's
// output (its param lines) inside. Values not given come from the object's row. The object is
// built for each run and freed after it.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>
#include <optional>
#include <vector>

class QZSymbol;
class QZVantrelActiveX;

class QZCmdActiveX : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdActiveX)
public:
    QZCmdActiveX(QZVantrelContext* context, const CString& arguments);
    ~QZCmdActiveX() override;

    // What the editor inserts for a new command.
    static CString GetSkeleton() {
        return "<<activex :???"
               ">>\r\n"
               "<</activex>>";
    }

    // The opening; the body and the closing word too, except in modes 1 and 2.
    void WriteSource(CString& text) override;
    // The object element around the body's output; the object recorded as a dependency.
    void Execute() override;
    // The ActiveX dialog: the new opening text on OK, empty on Cancel.
    CString EditProperties() override;
    // Evaluates the parameters, loads the object and fills the fields; TRUE when it stands.
    virtual BOOL CheckParameters();
    // Loads the object of the key, reporting a missing key or one that names none (also a
    // database error while loading); TRUE when it stands.
    BOOL ResolveObject(QZSymbol* keyEntry);

    QZVantrelStmtContext* GetSection(Section section) override;
    void KeepWord(int token, const CString& text) override;

    const QZKeyCombo& GetKey() const { return m_key; }
    void SetKey(const QZKeyCombo& key) { m_key = key; }

private:
    void ReadParameters();
    // The five texts in the order of the parameter table, each with what the last check took
    // for it from the row (none when the command gave it).
    struct TextField {
        LPCTSTR name;
        CString* value;
        std::optional<CString> rowDefault;
    };
    std::vector<TextField> TextFields();
    // The columns of the five texts, in the same order.
    std::vector<CString> TextColumns() const;
    // The object's columns that differ from the fields, as items of a command text; texts the
    // old row gave that the dialog left alone count as none.
    CString DifferingItems(const std::vector<TextField>& texts) const;

    QZKeyCombo m_key;

public:
    // The values of the last check, which the dialog reads and writes in place. Align is 1
    // left to 5 middle; height, width and tabindex of 0 are not written.
    LONG m_nVSpace = 0;
    LONG m_nHSpace = 0;
    LONG m_nHeight = 0;
    LONG m_nWidth = 0;
    LONG m_nTabIndex = 0;
    LONG m_nBorder = 0;
    LONG m_nAlign = 5;
    BOOL m_bDeclare = FALSE;
    BOOL m_bNoTab = FALSE;
    BOOL m_bShapes = FALSE;
    CString m_strData;
    CString m_strType;
    CString m_strName;
    CString m_strTitle;
    CString m_strStandBy;

private:
    std::unique_ptr<QZVantrelActiveX> m_pObject;
    std::unique_ptr<QZVantrelStmtContext> m_pBody;
    QZSymbol* m_pKeyEntry = nullptr;
    // Set when the text closed the block; a block left open is written back open.
    BOOL m_bClosed = FALSE;
};
