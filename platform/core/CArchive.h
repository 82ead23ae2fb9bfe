#pragma once
// The stored form of numbers, strings and objects over a file.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <unordered_map>
#include <vector>

class CFile;
class CObject;
struct CRuntimeClass;

// Writes (store) or reads (load) the framework's binary stored form over a CFile: numbers
// little-endian at fixed sizes, strings with a length prefix, objects with class tags and
// back references to classes and objects already in the archive. Reading past the end throws
// CArchiveException endOfFile; a malformed archive throws badIndex, badClass or badSchema.
// The system's 32-bit `long` is written as LONG; a 64-bit `long` has no operator on purpose.
class CArchive {
public:
    enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    // The file stays the caller's; the archive only reads or writes through it.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // Closes the archive (writing what is buffered) unless Close or Abort came first; errors
    // are dropped here, so call Close to see them.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }

    // The schema number stored with the object being read, for a class declared with
    // VERSIONABLE_SCHEMA; (UINT)-1 afterwards.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Raw bytes: Read returns fewer than nMax only at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    // Store: writes the buffer to the file. Load: puts back the bytes read ahead.
    void Flush();
    void Close();
    // Detaches from the file, dropping what is buffered.
    void Abort();

    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    void WriteObject(const CObject* pOb);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr,
                             UINT* pSchema = nullptr, DWORD* pObTag = nullptr);
    void WriteClass(const CRuntimeClass* pClassRef);

    // Element counts: a WORD, or 0xFFFF and a DWORD from 0xFFFF on.
    DWORD ReadCount();
    void WriteCount(DWORD dwCount);

    CArchive& operator<<(BYTE by) { return WriteLittleEndian(by, 1); }
    CArchive& operator<<(char ch) { return WriteLittleEndian(static_cast<BYTE>(ch), 1); }
    CArchive& operator<<(WORD w) { return WriteLittleEndian(w, 2); }
    CArchive& operator<<(SHORT w) { return WriteLittleEndian(static_cast<WORD>(w), 2); }
    CArchive& operator<<(LONG l) { return WriteLittleEndian(static_cast<DWORD>(l), 4); }
    CArchive& operator<<(DWORD dw) { return WriteLittleEndian(dw, 4); }
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(char& ch);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(SHORT& w);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);

    CString m_strFileName;

private:
    // One entry of the load table: a class or an object, told apart so that a tag of one kind
    // pointing at the other is refused instead of misread.
    struct Loaded {
        void* pointer;
        bool isClass;
    };

    CArchive& WriteLittleEndian(uint64_t value, int size);
    uint64_t ReadLittleEndian(int size);
    // Reads exactly nCount bytes or throws endOfFile.
    void ReadExact(void* lpBuf, UINT nCount);
    void FillBuffer();
    void CheckMode(bool storing) const;
    void CheckMapCount() const;
    void WriteTag(DWORD index, DWORD classFlag);

    CFile* m_pFile;
    UINT m_nMode;
    UINT m_nObjectSchema = UINT(-1);
    std::vector<BYTE> m_buffer;
    size_t m_nBufCur = 0;
    size_t m_nBufMax = 0;
    DWORD m_nMapCount = 1;
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<Loaded> m_loadArray;
    std::unordered_map<const CRuntimeClass*, UINT> m_schemaMap;
};

CArchive& operator<<(CArchive& ar, const CString& string);
CArchive& operator>>(CArchive& ar, CString& string);
CArchive& operator<<(CArchive& ar, const CObject* pOb);
CArchive& operator>>(CArchive& ar, CObject*& pOb);
CArchive& operator>>(CArchive& ar, const CObject*& pOb);
