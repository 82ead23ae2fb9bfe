#pragma once
// The pick list of pages to generate: each kind names the stored pick query that lists the
// pages of a service, a section or a style, the pages marked to generate, or the pages that use
// a given object.

#include "db/QZKeyCombo.h"
#include "db/QZNameAndKeyList.h"

enum QZPickKind {
    pickByService = 0,        // the service's static pages
    pickMarkedToGenerate = 1, // the service's pages marked to generate
    pickBySection = 2,        // the section's static pages
    pickByLinks = 3,          // the pages using a page
    pickByTemplate = 4,       // ... a macro
    pickByImage = 5,
    pickByForm = 6,
    pickByQuery = 7,
    pickByActiveX = 8,
    pickByJava = 9,
    pickByScript = 10,
    pickByMultimedia = 11,
    pickByStyle = 12, // the static pages that use a style
    pickKindCount = 13,
};

// The stored query of a kind; nullptr for a kind outside 0 to 12.
const char* PickListQueryName(int kind);

// Lists the live pages of a kind for the key (a service, section, page or the object used),
// sorted by title, without pages marked never to generate. The caller owns the list; a kind
// outside 0 to 12 runs no query and gives nullptr. Engine errors pass on.
QZNameAndKeyList* LoadPickList(int kind, const QZKeyCombo& key);
