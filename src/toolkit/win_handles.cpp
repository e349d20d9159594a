#include "toolkit/win_handles.h"

namespace toolkit {

UniqueBitmap CreateTopDownDib(HDC dc, int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (bits != nullptr)
        *bits = pixels;
    return bitmap;
}

UniqueFont CreateUiFont(int emHeight, const wchar_t* face) {
    LOGFONTW font{};
    font.lfHeight = -emHeight;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    wcsncpy_s(font.lfFaceName, face, _TRUNCATE);
    return UniqueFont(::CreateFontIndirectW(&font));
}

} // namespace toolkit
