#include "platform/core/CArchive.h"

#include "platform/core/CArchiveException.h"
#include "platform/core/CFile.h"
#include "platform/core/CObject.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Tags of the stored form of object pointers.
constexpr WORD kNullTag = 0;
constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kClassTag = 0x8000;
constexpr DWORD kBigClassTag = 0x80000000;
constexpr WORD kBigObjectTag = 0x7FFF;
constexpr DWORD kMaxMapCount = 0x3FFFFFFE;

// Strings are read in pieces so that a corrupt length runs into the end of the file before it
// can ask for a huge allocation.
constexpr DWORD kStringChunk = 65536;

} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void*)
    : m_pFile(pFile), m_nMode(nMode), m_buffer(static_cast<size_t>(std::max(nBufSize, 128))) {
    if (m_pFile)
        m_strFileName = m_pFile->GetFilePath();
    m_loadArray.push_back({nullptr, false});
}

CArchive::~CArchive() {
    if (m_pFile && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Close();
        } catch (CException* e) {
            e->Delete();
        }
    }
    Abort();
}

UINT CArchive::GetObjectSchema() {
    UINT schema = m_nObjectSchema;
    m_nObjectSchema = UINT(-1);
    return schema;
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
    CheckMode(false);
    BYTE* out = static_cast<BYTE*>(lpBuf);
    UINT done = 0;
    while (done < nMax) {
        if (m_nBufCur == m_nBufMax) {
            if (nMax - done >= m_buffer.size())
                return done + m_pFile->Read(out + done, nMax - done);
            FillBuffer();
            if (m_nBufMax == 0)
                break;
        }
        size_t n = std::min<size_t>(nMax - done, m_nBufMax - m_nBufCur);
        std::memcpy(out + done, m_buffer.data() + m_nBufCur, n);
        m_nBufCur += n;
        done += static_cast<UINT>(n);
    }
    return done;
}

void CArchive::Write(const void* lpBuf, UINT nMax) {
    CheckMode(true);
    const BYTE* in = static_cast<const BYTE*>(lpBuf);
    if (m_nBufCur + nMax > m_buffer.size()) {
        Flush();
        if (nMax >= m_buffer.size()) {
            m_pFile->Write(in, nMax);
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_nBufCur, in, nMax);
    m_nBufCur += nMax;
}

void CArchive::Flush() {
    if (!m_pFile)
        return;
    if (IsLoading()) {
        if (m_nBufMax > m_nBufCur)
            m_pFile->Seek(-static_cast<LONG>(m_nBufMax - m_nBufCur), CFile::current);
        m_nBufMax = 0;
    } else if (m_nBufCur > 0) {
        m_pFile->Write(m_buffer.data(), static_cast<UINT>(m_nBufCur));
    }
    m_nBufCur = 0;
}

void CArchive::Close() {
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort() {
    m_pFile = nullptr;
    m_nBufCur = 0;
    m_nBufMax = 0;
}

void CArchive::WriteObject(const CObject* pOb) {
    CheckMode(true);
    if (!pOb) {
        *this << kNullTag;
        return;
    }
    auto seen = m_storeMap.find(pOb);
    if (seen != m_storeMap.end()) {
        WriteTag(seen->second, 0);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    CheckMapCount();
    m_storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
    CheckMode(true);
    // Only classes declared serial have a stored form to read back.
    if (!pClassRef->IsSerializable())
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    auto seen = m_storeMap.find(pClassRef);
    if (seen != m_storeMap.end()) {
        WriteTag(seen->second, kBigClassTag);
        return;
    }
    *this << kNewClassTag;
    pClassRef->Store(*this);
    CheckMapCount();
    m_storeMap[pClassRef] = m_nMapCount++;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) {
    UINT schema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &schema, &obTag);
    if (!pClassRef) {
        if (obTag >= m_loadArray.size() || m_loadArray[obTag].isClass)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        CObject* pOb = static_cast<CObject*>(m_loadArray[obTag].pointer);
        if (pOb && pClassRefRequested && !pOb->IsKindOf(pClassRefRequested))
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        return pOb;
    }
    CheckMapCount();
    CObject* pOb = pClassRef->CreateObject();
    if (!pOb)
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    size_t slot = m_loadArray.size();
    m_loadArray.push_back({pOb, false});
    ++m_nMapCount;
    UINT savedSchema = m_nObjectSchema;
    m_nObjectSchema = schema;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        // The caller never sees a half-read object, so it is freed here rather than leaked.
        m_loadArray[slot].pointer = nullptr;
        m_nObjectSchema = savedSchema;
        delete pOb;
        throw;
    }
    m_nObjectSchema = savedSchema;
    return pOb;
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema,
                                   DWORD* pObTag) {
    CheckMode(false);
    if (pClassRefRequested && !pClassRefRequested->IsSerializable())
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    WORD wTag = 0;
    *this >> wTag;
    DWORD obTag = 0;
    if (wTag == kBigObjectTag)
        *this >> obTag;
    else
        obTag = (DWORD(wTag & kClassTag) << 16) | (wTag & ~kClassTag);
    if (!(obTag & kBigClassTag)) {
        if (!pObTag)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        *pObTag = obTag;
        return nullptr;
    }
    CRuntimeClass* pClassRef = nullptr;
    UINT schema = 0;
    if (wTag == kNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &schema);
        if (!pClassRef)
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != schema) {
            if (!(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
                AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
            m_schemaMap[pClassRef] = schema;
        }
        CheckMapCount();
        m_loadArray.push_back({pClassRef, true});
        ++m_nMapCount;
    } else {
        DWORD index = obTag & ~kBigClassTag;
        if (index == 0 || index >= m_loadArray.size() || !m_loadArray[index].isClass)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        pClassRef = static_cast<CRuntimeClass*>(m_loadArray[index].pointer);
        auto older = m_schemaMap.find(pClassRef);
        schema = older != m_schemaMap.end() ? older->second
                                            : (pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA);
    }
    if (pClassRefRequested && !pClassRef->IsDerivedFrom(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    if (pSchema)
        *pSchema = schema;
    else
        m_nObjectSchema = schema;
    if (pObTag)
        *pObTag = obTag;
    return pClassRef;
}

DWORD CArchive::ReadCount() {
    WORD count = 0;
    *this >> count;
    if (count != 0xFFFF)
        return count;
    DWORD bigCount = 0;
    *this >> bigCount;
    return bigCount;
}

void CArchive::WriteCount(DWORD dwCount) {
    if (dwCount < 0xFFFF) {
        *this << static_cast<WORD>(dwCount);
    } else {
        *this << static_cast<WORD>(0xFFFF);
        *this << dwCount;
    }
}

CArchive& CArchive::operator<<(float f) {
    uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    return WriteLittleEndian(bits, 4);
}

CArchive& CArchive::operator<<(double d) {
    uint64_t bits = 0;
    std::memcpy(&bits, &d, sizeof bits);
    return WriteLittleEndian(bits, 8);
}

CArchive& CArchive::operator>>(BYTE& by) {
    by = static_cast<BYTE>(ReadLittleEndian(1));
    return *this;
}

CArchive& CArchive::operator>>(char& ch) {
    ch = static_cast<char>(ReadLittleEndian(1));
    return *this;
}

CArchive& CArchive::operator>>(WORD& w) {
    w = static_cast<WORD>(ReadLittleEndian(2));
    return *this;
}

CArchive& CArchive::operator>>(SHORT& w) {
    w = static_cast<SHORT>(ReadLittleEndian(2));
    return *this;
}

CArchive& CArchive::operator>>(LONG& l) {
    l = static_cast<LONG>(static_cast<DWORD>(ReadLittleEndian(4)));
    return *this;
}

CArchive& CArchive::operator>>(DWORD& dw) {
    dw = static_cast<DWORD>(ReadLittleEndian(4));
    return *this;
}

CArchive& CArchive::operator>>(float& f) {
    uint32_t bits = static_cast<uint32_t>(ReadLittleEndian(4));
    std::memcpy(&f, &bits, sizeof bits);
    return *this;
}

CArchive& CArchive::operator>>(double& d) {
    uint64_t bits = ReadLittleEndian(8);
    std::memcpy(&d, &bits, sizeof bits);
    return *this;
}

CArchive& CArchive::WriteLittleEndian(uint64_t value, int size) {
    BYTE bytes[8];
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<BYTE>(value >> (8 * i));
    Write(bytes, static_cast<UINT>(size));
    return *this;
}

uint64_t CArchive::ReadLittleEndian(int size) {
    BYTE bytes[8];
    ReadExact(bytes, static_cast<UINT>(size));
    uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

void CArchive::ReadExact(void* lpBuf, UINT nCount) {
    if (Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
}

void CArchive::FillBuffer() {
    m_nBufCur = 0;
    m_nBufMax = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
}

void CArchive::CheckMode(bool storing) const {
    if (!m_pFile)
        AfxThrowArchiveException(CArchiveException::generic, m_strFileName);
    if (storing && IsLoading())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
    if (!storing && IsStoring())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
}

void CArchive::CheckMapCount() const {
    if (m_nMapCount >= kMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
}

void CArchive::WriteTag(DWORD index, DWORD classFlag) {
    if (index < kBigObjectTag) {
        *this << static_cast<WORD>(index | (classFlag ? kClassTag : 0));
    } else {
        *this << kBigObjectTag;
        *this << (index | classFlag);
    }
}

CArchive& operator<<(CArchive& ar, const CString& string) {
    DWORD length = static_cast<DWORD>(string.GetLength());
    if (length < 0xFF) {
        ar << static_cast<BYTE>(length);
    } else if (length < 0xFFFE) {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(length);
    } else {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << length;
    }
    ar.Write(static_cast<LPCTSTR>(string), length);
    return ar;
}

CArchive& operator>>(CArchive& ar, CString& string) {
    // 0xFFFE, which the original kept to mark wide strings, is never written here and reads as
    // a plain length.
    BYTE shortLength = 0;
    ar >> shortLength;
    DWORD length = shortLength;
    if (shortLength == 0xFF) {
        WORD wordLength = 0;
        ar >> wordLength;
        length = wordLength;
        if (wordLength == 0xFFFF)
            ar >> length;
    }
    std::string text;
    while (text.size() < length) {
        size_t piece = std::min<size_t>(length - text.size(), kStringChunk);
        size_t old = text.size();
        text.resize(old + piece);
        if (ar.Read(text.data() + old, static_cast<UINT>(piece)) != piece)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
    string = CString(std::move(text));
    return ar;
}

CArchive& operator<<(CArchive& ar, const CObject* pOb) {
    ar.WriteObject(pOb);
    return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb) {
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb) {
    pOb = ar.ReadObject(nullptr);
    return ar;
}
