#include "platform/dao/DaoSchema.h"

#include "platform/dao/DaoConstants.h"

#include <strings.h>

bool DaoNamesEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool DaoColumnSchema::IsAutoIncrement() const {
    return (attributes & dbAutoIncrField) != 0;
}

bool DaoColumnSchema::IsText() const {
    return type == dbText || type == dbMemo;
}

const DaoColumnSchema* DaoTableSchema::FindColumn(std::string_view column) const {
    for (const DaoColumnSchema& c : columns)
        if (DaoNamesEqual(c.name, column))
            return &c;
    return nullptr;
}

const DaoIndexSchema* DaoTableSchema::FindIndex(std::string_view index) const {
    for (const DaoIndexSchema& i : indexes)
        if (DaoNamesEqual(i.name, index))
            return &i;
    return nullptr;
}

bool DaoTableSchema::IsSystem() const {
    return (attributes & dbSystemObject) == dbSystemObject;
}
