#pragma once
// The engine error numbers that the database layer raises in its CDaoException, with the numbers
// of the original engine so that code reacting to them works unchanged.

#include "platform/core/Types.h"

constexpr LONG daoErrEngine = 3000;              // an engine failure with no closer number
constexpr LONG daoErrTableExists = 3010;         // a table of that name exists
constexpr LONG daoErrObjectExists = 3012;        // a table or stored query of that name exists
constexpr LONG daoErrUpdateWithoutEdit = 3020;   // Update with no AddNew or Edit under way
constexpr LONG daoErrNoCurrentRecord = 3021;     // no current row
constexpr LONG daoErrDuplicateKey = 3022;        // a unique index refuses the row
constexpr LONG daoErrFileNotFound = 3024;        // no database file at the path
constexpr LONG daoErrDiskFull = 3026;            // no space left for the file
constexpr LONG daoErrReadOnly = 3027;            // database or recordset is read-only
constexpr LONG daoErrNoTransaction = 3034;       // commit or rollback with no transaction
constexpr LONG daoErrDiskIo = 3043;              // reading or writing the file failed
constexpr LONG daoErrFileInUse = 3045;           // exclusive open while others have the file
constexpr LONG daoErrCannotOpen = 3051;          // the file cannot be opened (permissions)
constexpr LONG daoErrIndexNull = 3058;           // a required index field is Null
constexpr LONG daoErrTooFewParameters = 3061;    // a parameter was not given a value
constexpr LONG daoErrSelectNotExecutable = 3065; // Execute on a query that returns rows
constexpr LONG daoErrSyntax = 3075;              // the SQL text cannot be read
constexpr LONG daoErrNoSuchTable = 3078;         // the SQL names a missing table or query
constexpr LONG daoErrInvalidName = 3125;         // an empty or unusable name
constexpr LONG daoErrTextAfterStatement = 3142;  // text after the end of the statement
constexpr LONG daoErrOdbcCallFailed = 3146;      // a pass-through query: no server to run it
constexpr LONG daoErrBadBookmark = 3159;         // the bookmark is not one of this recordset
constexpr LONG daoErrFieldTooSmall = 3163;       // text longer than the column's size
constexpr LONG daoErrFieldNotUpdatable = 3164;   // an auto-number column cannot be changed
constexpr LONG daoErrRecordDeleted = 3167;       // the current row has been deleted
constexpr LONG daoErrFieldTwice = 3191;          // a column defined twice
constexpr LONG daoErrDatabaseExists = 3204;      // Create on a path that exists
constexpr LONG daoErrInvalidOperation = 3219;    // an operation this object does not allow
constexpr LONG daoErrInvalidFieldType = 3259;    // a column type the layer does not know
constexpr LONG daoErrLocked = 3260;              // another program holds the write lock too long
constexpr LONG daoErrNoFields = 3264;            // a table or index without columns
constexpr LONG daoErrItemNotFound = 3265;        // no such field, parameter, table or query
constexpr LONG daoErrPrimaryKeyExists = 3283;    // a second primary key
constexpr LONG daoErrIndexExists = 3284;         // an index of that name exists
constexpr LONG daoErrRequiredNull = 3314;        // Null in a required column
constexpr LONG daoErrZeroLength = 3315;          // "" in a column that refuses zero length
constexpr LONG daoErrNotADatabase = 3343;        // not a site database file
constexpr LONG daoErrOpenedExclusively = 3356;   // another program has the file exclusively
constexpr LONG daoErrObjectClosed = 3420;        // the object is not open
constexpr LONG daoErrTypeConversion = 3421;      // a value that the column's type cannot take
