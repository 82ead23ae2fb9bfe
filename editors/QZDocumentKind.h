#pragma once
// One kind of site object as its editor sees it: its type code, document template, document
// and frame classes, the kind word of its title, the views its document collects, how it
// previews, and how its content object is made and loaded. QZDocumentKinds holds the sixteen.

#include "content/QZVantrelBase.h"
#include "db/QZKeyCombo.h"

#include <memory>

struct CRuntimeClass;

struct QZDocumentKind {
    // What the document's Preview does.
    enum PreviewMode {
        previewNothing, // returns 1
        previewText,    // the text kinds: generate and show the output address
        previewFile,    // image and photo: collect the views, show the object's file
        previewCollect, // collect the views, return 1
    };

    SHORT type;
    UINT templateId;
    CRuntimeClass* documentClass;
    CRuntimeClass* frameClass;
    const char* firstViewClass;
    // The template's document string ("\nPage\nPage\n\n\nMarquillPage\nMarquill Page").
    const char* docString;
    // The last word of the title ("Page", "ActiveX Controls", ...).
    const char* kindWord;
    // The views whose fields SaveToObject collects, in order (null-ended), and the status form.
    const char* propertyViews[4];
    const char* statusView;
    PreviewMode preview;
    // The word of the preview's log lines ("Page", "Form", "Macro").
    const char* previewWord;
    // A new object shows its own title at once (all but the macro).
    bool titledWhenNew;
    std::unique_ptr<QZVantrelBase> (*create)();
    std::unique_ptr<QZVantrelBase> (*load)(const QZKeyCombo& key);
};
