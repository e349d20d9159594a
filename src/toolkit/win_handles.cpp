#include "toolkit/win_handles.h"

namespace toolkit {

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
