// Basic types, constants and message ids of the handheld system library.
#pragma once

#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using COLORREF = DWORD;

// Text is UTF-16 throughout, as on the handheld; wchar_t is 32 bits on Linux.
using WCHAR = char16_t;
using TCHAR = WCHAR;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPCSTR = const char*;
using LPTSTR = WCHAR*;
using LPCTSTR = const WCHAR*;
#define _T(x) u##x

// Memory handed to the system, as clipboard data is.
using HANDLE = void*;
using HLOCAL = HANDLE;

// An icon belongs to the application object that loaded it.
class QIcon;
using HICON = const QIcon*;

// The files of a drop, handed to WM_DROPFILES; read with DragQueryFile.
struct DropFiles;
using HDROP = DropFiles*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

constexpr WORD LOWORD(WPARAM value)
{
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(WPARAM value)
{
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high)
{
    return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16);
}
constexpr LPARAM MAKELPARAM(int low, int high)
{
    return static_cast<LPARAM>((static_cast<DWORD>(low) & 0xFFFF) |
                               ((static_cast<DWORD>(high) & 0xFFFF) << 16));
}
// Coordinates travel as signed 16-bit halves.
constexpr int GET_X_LPARAM(LPARAM value)
{
    return static_cast<std::int16_t>(value & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM value)
{
    return static_cast<std::int16_t>((value >> 16) & 0xFFFF);
}

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b)
{
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
           (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c)
{
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c)
{
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c)
{
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

// Window messages.
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_CONTEXTMENU = 0x007B;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_DROPFILES = 0x0233;

// Notification codes and mouse-key flags.
constexpr UINT BN_CLICKED = 0;
constexpr UINT MK_LBUTTON = 0x0001;

// Dialog results and standard command ids.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Message box types.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_ICONSTOP = 0x00000010;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_TYPEMASK = 0x0000000F;

// Menu items and pop-up menus.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_RETURNCMD = 0x0100;
constexpr UINT MF_BYCOMMAND = 0x0000;

// Clipboard formats and local memory.
constexpr UINT CF_UNICODETEXT = 13;
constexpr UINT LMEM_FIXED = 0x0000;

// Window, button, edit and static styles used by the dialog templates.
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD SS_TYPEMASK = 0x001F;
constexpr DWORD SS_ICON = 0x0003;

// Drawing: the one raster operation and the one pen style the program uses.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr int PS_SOLID = 0;
