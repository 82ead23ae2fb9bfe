#pragma once
// The document of the Java applet editor: it edits one QZVantrelJava.

#include "content/QZVantrelJava.h"
#include "editors/QZKindDocument.h"

class QZJavaDoc : public QZKindDocument {
    DECLARE_DYNCREATE(QZJavaDoc)
public:
    QZJavaDoc();

    QZVantrelJava* GetJava() const { return dynamic_cast<QZVantrelJava*>(m_pObject); }
};
