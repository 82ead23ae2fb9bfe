#pragma once
// The document of the script editor: it edits one QZVantrelScript.

#include "content/QZVantrelScript.h"
#include "editors/QZKindDocument.h"

class QZScriptsDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZScriptsDoc)
public:
    QZScriptsDoc();

    QZVantrelScript* GetScript() const { return dynamic_cast<QZVantrelScript*>(m_pObject); }
};
