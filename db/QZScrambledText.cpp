#include "db/QZScrambledText.h"

#include "db/ScramblePassword.h"

QZScrambledText& QZScrambledText::operator=(const CString& plain) {
    m_Stored = ScramblePassword(plain);
    return *this;
}

CString QZScrambledText::Get() const {
    return ScramblePassword(m_Stored);
}
