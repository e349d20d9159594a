// Owners for the Win32 handles the program uses, and the acquire functions that pair each
// handle with its matching release.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <objidl.h>
#include <uxtheme.h>

#include "toolkit/unique_handle.h"

namespace toolkit {

struct ReleaseWindowDc {
    HWND window = nullptr;
    void operator()(HDC dc) const noexcept { ::ReleaseDC(window, dc); }
};
struct ReleaseComObject {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};
// Selects the remembered object back into its DC.
struct SelectBack {
    HDC dc = nullptr;
    void operator()(void* previous) const noexcept {
        ::SelectObject(dc, static_cast<HGDIOBJ>(previous));
    }
};

using UniqueFont = UniqueHandle<HFONT, ReleaseWith<::DeleteObject>>;
using UniqueBrush = UniqueHandle<HBRUSH, ReleaseWith<::DeleteObject>>;
using UniquePen = UniqueHandle<HPEN, ReleaseWith<::DeleteObject>>;
using UniqueBitmap = UniqueHandle<HBITMAP, ReleaseWith<::DeleteObject>>;
using UniqueMemoryDc = UniqueHandle<HDC, ReleaseWith<::DeleteDC>>; // CreateCompatibleDC only
using UniqueWindowDc = UniqueHandle<HDC, ReleaseWindowDc>;
using UniqueTheme = UniqueHandle<HTHEME, ReleaseWith<::CloseThemeData>>;
using UniqueGlobal = UniqueHandle<HGLOBAL, ReleaseWith<::GlobalFree>>;
using UniqueKernelHandle = UniqueHandle<HANDLE, ReleaseWith<::CloseHandle>>;
// CreateFileW and FindFirstFileW report failure as INVALID_HANDLE_VALUE, not null.
using UniqueFile = UniqueHandle<HANDLE, ReleaseWith<::CloseHandle>, -1>;
using UniqueLocal = UniqueHandle<HLOCAL, ReleaseWith<::LocalFree>>;
using UniqueMappedView = UniqueHandle<void*, ReleaseWith<::UnmapViewOfFile>>;
using UniqueIcon = UniqueHandle<HICON, ReleaseWith<::DestroyIcon>>;
using UniqueSelection = UniqueHandle<void*, SelectBack>;
using UniqueImageList = UniqueHandle<HIMAGELIST, ReleaseWith<::ImageList_Destroy>>;
using UniqueStream = UniqueHandle<IStream*, ReleaseComObject>;
using UniqueWindow = UniqueHandle<HWND, ReleaseWith<::DestroyWindow>>;
using UniqueMenu = UniqueHandle<HMENU, ReleaseWith<::DestroyMenu>>;
// A system-wide hotkey of a window: the owner holds the window, the release its id.
struct UnregisterHotKeyId {
    int id = 0;
    void operator()(HWND window) const noexcept { ::UnregisterHotKey(window, id); }
};
using UniqueHotKey = UniqueHandle<HWND, UnregisterHotKeyId>;

// RegisterHotKey; an empty owner when the combination is taken (or cannot be registered).
inline UniqueHotKey RegisterHotKeyOwned(HWND window, int id, UINT modifiers, UINT virtualKey) {
    if (!::RegisterHotKey(window, id, modifiers, virtualKey))
        return UniqueHotKey(nullptr, UnregisterHotKeyId{id});
    return UniqueHotKey(window, UnregisterHotKeyId{id});
}

inline UniqueWindowDc GetWindowDc(HWND window) {
    return UniqueWindowDc(::GetDC(window), ReleaseWindowDc{window});
}

inline UniqueSelection Select(HDC dc, HGDIOBJ object) {
    return UniqueSelection(::SelectObject(dc, object), SelectBack{dc});
}

// BeginPaint ... EndPaint. The paint record rides in the deleter: the update rectangle is
// UpdateRect(owner).
struct EndPaintScope {
    HWND window = nullptr;
    PAINTSTRUCT paint{};
    void operator()(HDC) const noexcept { ::EndPaint(window, &paint); }
};
using UniquePaint = UniqueHandle<HDC, EndPaintScope>;

inline UniquePaint BeginPaintScope(HWND window) {
    EndPaintScope scope{window, {}};
    HDC dc = ::BeginPaint(window, &scope.paint);
    return UniquePaint(dc, scope);
}
inline const RECT& UpdateRect(const UniquePaint& paint) {
    return paint.get_deleter().paint.rcPaint;
}

// BeginBufferedPaint ... EndBufferedPaint, which copies the buffer to the target DC as drawn.
struct EndBufferedPaintCopying {
    void operator()(HPAINTBUFFER buffer) const noexcept { ::EndBufferedPaint(buffer, TRUE); }
};
using UniqueBufferedPaint = UniqueHandle<HPAINTBUFFER, EndBufferedPaintCopying>;

// An off-screen buffer for `area` of `target`; `bufferDc` receives the DC to draw into. Empty
// when no buffer can be had.
inline UniqueBufferedPaint BeginBufferedPaintScope(HDC target, const RECT& area,
                                                   BP_BUFFERFORMAT format, HDC& bufferDc) {
    bufferDc = nullptr;
    return UniqueBufferedPaint(::BeginBufferedPaint(target, &area, format, nullptr, &bufferDc));
}

// SaveDC ... RestoreDC: everything selected into the DC and its text and background settings
// come back as they were.
struct RestoreSavedDc {
    int saved = 0;
    void operator()(HDC dc) const noexcept { ::RestoreDC(dc, saved); }
};
using UniqueSavedDc = UniqueHandle<HDC, RestoreSavedDc>;

inline UniqueSavedDc SaveDcState(HDC dc) {
    const int saved = dc != nullptr ? ::SaveDC(dc) : 0;
    return UniqueSavedDc(saved != 0 ? dc : nullptr, RestoreSavedDc{saved});
}

// A 32-bit top-down DIB section; `bits` (optional) receives its pixels, row by row from the top.
UniqueBitmap CreateTopDownDib(HDC dc, int width, int height, void** bits = nullptr);

// "Meiryo UI" at a character (em) height in pixels: a negative LOGFONT height.
UniqueFont CreateUiFont(int emHeight, const wchar_t* face = L"Meiryo UI");

} // namespace toolkit
