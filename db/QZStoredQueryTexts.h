#pragma once
// The names and SQL texts of the 120 stored queries that every site database carries, in
// their order of creation. QZDbUpdate::CreateQueryDefs makes them from this table: the
// minimal set alone, or everything before the publish set and then (through
// CreatePublishQueryDefs) the publish set.

#include <span>
#include <string_view>

struct QZStoredQueryText {
    const char* name; // "MQ_..."
    const char* sql;  // in the desktop engine's dialect, as stored
};

class QZStoredQueryTexts {
public:
    static std::span<const QZStoredQueryText> All();           // positions 1 to 120
    static std::span<const QZStoredQueryText> Minimal();       // positions 1 to 3
    static std::span<const QZStoredQueryText> BeforePublish(); // positions 1 to 103
    static std::span<const QZStoredQueryText> Publish();       // positions 104 to 120
    // The query of that exact name, or nullptr.
    static const QZStoredQueryText* Find(std::string_view name);
};
