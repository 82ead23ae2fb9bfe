#pragma once
// <<adspace key>>: writes one ad of a stored ad space, picked by the ad space's rotation, as an
// image linked to the server-side interpreter's ad request. A static page asks the interpreter
// for the image too; a dynamic page and a preview name the ad's image file, and a dynamic
// page's generation records the impression. The ad space is built for each run and freed
// after it.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>

class QZSymbol;
class QZVantrelAdSpace;

class QZCmdAdSpace : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdAdSpace)
public:
    QZCmdAdSpace(QZVantrelContext* context, const CString& arguments);
    ~QZCmdAdSpace() override;

    // What the editor inserts for a new command.
    static CString GetSkeleton() {
        return "<<adspace :???"
               ">>";
    }

    void WriteSource(CString& text) override;
    // The linked image of the picked ad.
    void Execute() override;
    // The ad space dialog: the new command text on OK, empty on Cancel.
    CString EditProperties() override;
    // Evaluates the parameters and loads the ad space of the key; TRUE when it stands.
    virtual BOOL CheckParameters();
    // Loads the ad space of the key, reporting a missing key or one that names none; TRUE
    // when it stands. Engine errors pass on.
    BOOL ResolveObject();

    const QZKeyCombo& GetKey() const { return m_key; }

private:
    // The source of the ad's image: the interpreter's request for a static page; the image
    // file's path (and an impression row at generation) for a dynamic page or a preview.
    CString ImageSource(const QZKeyCombo& ad);
    CString AdImagePath(const QZKeyCombo& ad);
    void RecordImpression(const QZKeyCombo& ad);

    std::unique_ptr<QZVantrelAdSpace> m_pObject;
    QZKeyCombo m_key;
    QZSymbol* m_pKeyEntry = nullptr;
};
