#pragma once
// The handle and message-parameter types that window code is written in, and the macros that
// pack and unpack them. A window handle is the wx window itself; the drawing handles are the
// addresses of the objects they stand for.

#include "platform/core/Types.h"

class wxWindow;
struct HDC__;
struct HBRUSH__;
struct HFONT__;
struct HCURSOR__;
struct HICON__;
struct HINSTANCE__;

using HWND = wxWindow*;
using HDC = HDC__*;
using HBRUSH = HBRUSH__*;
using HFONT = HFONT__*;
using HCURSOR = HCURSOR__*;
using HICON = HICON__*;
using HINSTANCE = HINSTANCE__*;
using WPARAM = UINT_PTR;
using LPARAM = INT_PTR;
using LRESULT = INT_PTR;
using ULONG_PTR = uintptr_t;

constexpr WORD LOWORD(UINT_PTR value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(UINT_PTR value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr DWORD MAKELONG(WORD low, WORD high) {
    return static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16);
}
constexpr LPARAM MAKELPARAM(int low, int high) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(low), static_cast<WORD>(high)));
}
constexpr WPARAM MAKEWPARAM(int low, int high) {
    return static_cast<WPARAM>(MAKELONG(static_cast<WORD>(low), static_cast<WORD>(high)));
}
// The signed coordinates packed in a mouse message's LPARAM.
constexpr int GET_X_LPARAM(LPARAM lParam) {
    return static_cast<SHORT>(LOWORD(static_cast<UINT_PTR>(lParam)));
}
constexpr int GET_Y_LPARAM(LPARAM lParam) {
    return static_cast<SHORT>(HIWORD(static_cast<UINT_PTR>(lParam)));
}
// A resource named by number.
inline LPCTSTR MAKEINTRESOURCE(UINT id) {
    return reinterpret_cast<LPCTSTR>(static_cast<UINT_PTR>(id & 0xFFFF));
}
inline bool IS_INTRESOURCE(LPCTSTR name) {
    return (reinterpret_cast<UINT_PTR>(name) >> 16) == 0;
}
