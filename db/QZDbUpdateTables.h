#pragma once
// The description of every table of the site database, in the order of its columns: which
// column helper or column group of QZDbUpdate makes each column, and the table's indexes.
// QZDbUpdate's table creators make the tables from these descriptions.

#include "platform/core/Types.h"

#include <vector>

struct QZColumnDesc {
    enum Kind {
        Long,     // AddLongField (name, default text, required)
        ZeroLong, // AddZeroLongField (name)
        KeyId,    // AddKeyIdField (name)
        Text,     // AddTextField (name, size, required, allow zero length, default text)
        Memo,     // AddMemoField (name)
        Integer,  // AddIntegerField (name, required, default text)
        Byte,     // AddByteField (name, required, default text)
        Date,     // AddDateField (name, default text)
        ServiceKey,
        SectionKey,
        StyleKey,
        Changed,
        PublishedBy,
        Deleted,            // column groups
        Publish,            // AddPublishFields without VersionPublished
        PublishWithVersion, // AddPublishFields with VersionPublished
    };
    Kind kind;
    const char* name = "";
    const char* defaultText = "";
    BOOL required = FALSE;
    LONG size = 0;
};

struct QZIndexDesc {
    const char* name;
    std::vector<const char*> fields;
    BOOL primary;
    BOOL unique;
    BOOL required;
};

struct QZTableDesc {
    const char* name;
    std::vector<QZColumnDesc> columns;
    std::vector<QZIndexDesc> indexes;
};

class QZDbUpdateTables {
public:
    static const QZTableDesc& Authors();
    static const QZTableDesc& ActiveX();
    static const QZTableDesc& Java();
    static const QZTableDesc& Media();
    static const QZTableDesc& Script();
    static const QZTableDesc& ComponentsInstalled();
    static const QZTableDesc& Marquill();
    static const QZTableDesc& CurrentUsers();
    static const QZTableDesc& Dependents();
    static const QZTableDesc& Documents();
    static const QZTableDesc& DynamicRequests();
    static const QZTableDesc& Forms();
    static const QZTableDesc& Images();
    static const QZTableDesc& Messages();
    static const QZTableDesc& PhotoImages();
    static const QZTableDesc& Query();
    static const QZTableDesc& Sections();
    static const QZTableDesc& Semaphor();
    static const QZTableDesc& Services();
    static const QZTableDesc& Styles();
    static const QZTableDesc& Templates();
    static const QZTableDesc& Events();
    static const QZTableDesc& PageImpressions();
    static const QZTableDesc& ClickThroughs();
    static const QZTableDesc& Advertiser();
    static const QZTableDesc& Ad();
    static const QZTableDesc& AdSpace();
};
