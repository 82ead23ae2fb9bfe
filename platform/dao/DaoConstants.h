#pragma once
// The numbers of the database classes' options, types and attributes, as the system's code
// spells them (open types, open and execute options, field types and attributes, edit modes,
// information levels, query types).

#include "platform/core/Types.h"

// Recordset types.
constexpr int dbOpenTable = 1;
constexpr int dbOpenDynaset = 2;
constexpr int dbOpenSnapshot = 4;
constexpr int dbOpenForwardOnly = 8;
// Open with the recordset's m_nDefaultType.
constexpr int AFX_DAO_USE_DEFAULT_TYPE = -1;

// Open and execute options.
constexpr int dbDenyWrite = 1;
constexpr int dbDenyRead = 2;
constexpr int dbReadOnly = 4;
constexpr int dbAppendOnly = 8;
constexpr int dbInconsistent = 16;
constexpr int dbConsistent = 32;
constexpr int dbSQLPassThrough = 64;
constexpr int dbFailOnError = 128;
constexpr int dbForwardOnly = 256;
constexpr int dbSeeChanges = 512;

// Field types.
constexpr short dbBoolean = 1;
constexpr short dbByte = 2;
constexpr short dbInteger = 3;
constexpr short dbLong = 4;
constexpr short dbCurrency = 5;
constexpr short dbSingle = 6;
constexpr short dbDouble = 7;
constexpr short dbDate = 8;
constexpr short dbText = 10;
constexpr short dbLongBinary = 11;
constexpr short dbMemo = 12;

// Field attributes.
constexpr LONG dbFixedField = 0x1;
constexpr LONG dbVariableField = 0x2;
constexpr LONG dbAutoIncrField = 0x10;
constexpr LONG dbUpdatableField = 0x20;
constexpr LONG dbDescending = 0x1;

// Table definition attributes.
constexpr LONG dbHiddenObject = 0x1;
constexpr LONG dbSystemObject = static_cast<LONG>(0x80000002u);
constexpr LONG dbAttachedTable = 0x40000000;

// Collating order of every column: the general (US English) sort order.
constexpr LONG dbSortGeneral = 1033;

// Edit modes.
constexpr short dbEditNone = 0;
constexpr short dbEditInProgress = 1;
constexpr short dbEditAdd = 2;

// Query definition types.
constexpr short dbQSelect = 0;
constexpr short dbQAction = 0xF0;
constexpr short dbQCrosstab = 0x10;
constexpr short dbQDelete = 0x20;
constexpr short dbQUpdate = 0x30;
constexpr short dbQAppend = 0x40;
constexpr short dbQMakeTable = 0x50;
constexpr short dbQDDL = 0x60;
constexpr short dbQSQLPassThrough = 0x70;
constexpr short dbQSetOperation = 0x80;

// How much of an information record the Get...Info members fill.
constexpr DWORD AFX_DAO_PRIMARY_INFO = 0x1;
constexpr DWORD AFX_DAO_SECONDARY_INFO = 0x2;
constexpr DWORD AFX_DAO_ALL_INFO = 0x3;

// The locale that new site databases are created with.
constexpr LPCTSTR dbLangGeneral = ";LANGID=0x0409;CP=1252;COUNTRY=0";

// Field exchange: the bound text's preallocation and the caching option of every binding.
constexpr int AFX_DAO_TEXT_DEFAULT_SIZE = 255;
constexpr DWORD AFX_DAO_ENABLE_FIELD_CACHE = 0x1;
constexpr DWORD AFX_DAO_DISABLE_FIELD_CACHE = 0x0;
