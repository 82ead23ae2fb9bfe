#pragma once
// The kinds of content objects these tests drive alike: each with its table, the columns of
// its key and name, where its new rows belong, whether read-only loads come from a cache, and
// how to load and create one.

#include "content/QZVantrelBase.h"

#include <functional>
#include <memory>
#include <vector>

struct ContentKind {
    // What a new row of the kind takes from the application's selection.
    enum Place { ownPlace, inService, inServiceAndSection };

    const char* label;
    SHORT type;
    const char* table;
    const char* idColumn;
    const char* nameColumn;
    Place place;
    bool cached;       // read-only loads share the kind's cached recordset
    bool alwaysClaims; // loaded with a claim whatever is asked (the photo)
    std::function<std::unique_ptr<QZVantrelBase>(const QZKeyCombo& key, BOOL bOpen)> load;
    std::function<std::unique_ptr<QZVantrelBase>()> create;
};

// Service, section, page, macro, style, image, photo, multimedia object, Java applet, ActiveX
// object, advertiser, ad, ad space, form, event, script and e-mail message.
const std::vector<ContentKind>& ContentKinds();

// The kind of a type code; throws when there is none.
const ContentKind& ContentKindOf(SHORT type);
