#pragma once
// <<java key, name=value, ...>> body <</java>>: writes the HTML applet element of a stored Java
// applet, its code, code base, alternate text, title, placement and download value, with the
// body's output (its param lines) inside. Values not given come from the applet's row. The
// applet object is built for each run and freed after it.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>
#include <optional>

class QZSymbol;
class QZVantrelJava;

class QZCmdJava : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdJava)
public:
    QZCmdJava(QZVantrelContext* context, const CString& arguments);
    ~QZCmdJava() override;

    // What the editor inserts for a new command.
    static CString GetSkeleton() {
        return "<<java :???"
               ">>\r\n"
               "<</java>>";
    }

    // The opening; the body and the closing word too, except in modes 1 and 2.
    void WriteSource(CString& text) override;
    // The applet element around the body's output; the applet recorded as a dependency.
    void Execute() override;
    // The Java dialog: the new opening text on OK, empty on Cancel.
    CString EditProperties() override;
    // Evaluates the parameters, loads the applet and fills the fields; TRUE when it stands.
    virtual BOOL CheckParameters();
    // Loads the applet of the key, reporting a missing key or one that names none; TRUE when
    // it stands. Engine errors pass on.
    BOOL ResolveObject(QZSymbol* keyEntry);

    QZVantrelStmtContext* GetSection(Section section) override;
    void KeepWord(int token, const CString& text) override;

    const QZKeyCombo& GetKey() const { return m_key; }
    void SetKey(const QZKeyCombo& key) { m_key = key; }

private:
    void ReadParameters();
    // The applet's columns that differ from the fields, as items of a command text; the
    // alternate text the old row gave counts as none.
    CString DifferingItems(const std::optional<CString>& altDefault) const;

    QZKeyCombo m_key;

public:
    // The values of the last check, which the dialog reads and writes in place. Align is 1
    // left to 5 middle; height, width and download of 0 are not written.
    LONG m_nVSpace = 0;
    LONG m_nHSpace = 0;
    LONG m_nHeight = 0;
    LONG m_nWidth = 0;
    LONG m_nDownload = 0;
    LONG m_nAlign = 5;
    CString m_strAlt;
    CString m_strTitle;

private:
    std::unique_ptr<QZVantrelJava> m_pObject;
    std::unique_ptr<QZVantrelStmtContext> m_pBody;
    QZSymbol* m_pKeyEntry = nullptr;
    // Set when the text closed the block; a block left open is written back open.
    BOOL m_bClosed = FALSE;
};
