// The few functions of gdiplus.dll's flat interface that the object layer uses, declared
// here rather than through the SDK's C++ headers, which need min/max macros and differ
// between toolchains.
#pragma once

#include "controls/gdip_objects.h"

namespace quarnel::gdip::flat {

struct GpBitmap; // a GpImage to the engine

struct StartupInput {
    UINT32 GdiplusVersion = 1;
    void(WINAPI* DebugEventCallback)(int level, char* message) = nullptr;
    BOOL SuppressBackgroundThread = FALSE;
    BOOL SuppressExternalCodecs = FALSE;
};

struct StartupOutput {
    Status(WINAPI* NotificationHook)(ULONG_PTR* token) = nullptr;
    void(WINAPI* NotificationUnhook)(ULONG_PTR token) = nullptr;
};

extern "C" {
Status WINAPI GdiplusStartup(ULONG_PTR* token, const StartupInput* input, StartupOutput* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
void* WINAPI GdipAlloc(std::size_t size);
void WINAPI GdipFree(void* memory);

Status WINAPI GdipCreateFromHDC(HDC dc, GpGraphics** graphics);
Status WINAPI GdipDeleteGraphics(GpGraphics* graphics);
Status WINAPI GdipSetSmoothingMode(GpGraphics* graphics, SmoothingMode mode);
Status WINAPI GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, float dstx, float dsty,
                                    float dstwidth, float dstheight, float srcx, float srcy,
                                    float srcwidth, float srcheight, Unit srcUnit,
                                    const GpImageAttributes* imageAttributes,
                                    DrawImageAbort callback, void* callbackData);

Status WINAPI GdipLoadImageFromStream(IStream* stream, GpImage** image);
Status WINAPI GdipLoadImageFromStreamICM(IStream* stream, GpImage** image);
Status WINAPI GdipDisposeImage(GpImage* image);
Status WINAPI GdipGetImageWidth(GpImage* image, UINT* width);
Status WINAPI GdipGetImageHeight(GpImage* image, UINT* height);

Status WINAPI GdipCreateBitmapFromStream(IStream* stream, GpBitmap** bitmap);
Status WINAPI GdipCreateBitmapFromStreamICM(IStream* stream, GpBitmap** bitmap);
Status WINAPI GdipBitmapGetPixel(GpBitmap* bitmap, INT x, INT y, ARGB* color);

Status WINAPI GdipCreateImageAttributes(GpImageAttributes** attributes);
Status WINAPI GdipDisposeImageAttributes(GpImageAttributes* attributes);
Status WINAPI GdipSetImageAttributesColorKeys(GpImageAttributes* attributes, ColorAdjustType type,
                                              BOOL enableFlag, ARGB colorLow, ARGB colorHigh);
}

} // namespace quarnel::gdip::flat
