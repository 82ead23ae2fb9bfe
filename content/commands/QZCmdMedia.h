#pragma once
// <<media key, name=value, ...>> body <</media>>: wraps the output of its body in a link to the
// file of a stored multimedia object, with free extra attributes and the mouse-over, click and
// target attributes. A link is refused inside another link's body; the body is then written
// plain. The media object is built for each run and freed after it.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>

class QZSymbol;
class QZVantrelMedia;

class QZCmdMedia : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdMedia)
public:
    QZCmdMedia(QZVantrelContext* context, const CString& arguments);
    ~QZCmdMedia() override;

    // What the editor inserts for a new command.
    static CString GetSkeleton() {
        return "<<media :???"
               ">>\r\n"
               "<</media>>";
    }

    // The opening; the body and the closing word too, except in modes 1 and 2.
    void WriteSource(CString& text) override;
    // The link around the body's output; the object recorded as a dependency.
    void Execute() override;
    // The multimedia dialog: the new opening text on OK, empty on Cancel.
    CString EditProperties() override;
    // Evaluates the parameters, loads the media object of the key and reads the texts; TRUE
    // when the object stands. Engine errors pass on.
    virtual BOOL CheckParameters();

    QZVantrelStmtContext* GetSection(Section section) override;
    void KeepWord(int token, const CString& text) override;

    const QZKeyCombo& GetKey() const { return m_key; }

private:
    // The key of the evaluated arguments and the attribute texts, read in any case.
    void ReadArguments();

    QZKeyCombo m_key;
    std::unique_ptr<QZVantrelMedia> m_pObject;
    CString m_strOther;
    CString m_strOnMouseOver;
    CString m_strOnClick;
    CString m_strTarget;
    std::unique_ptr<QZVantrelStmtContext> m_pBody;
    QZSymbol* m_pKeyEntry = nullptr;
    // Set when the text closed the block; a block left open is written back open.
    BOOL m_bClosed = FALSE;
};
