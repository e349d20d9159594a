// A thin object layer over the flat interface of GDI+ (gdiplus.dll): one wrapper per
// engine object, created and disposed of with it, and the engine's start-up and shut-down.
// No operation throws: each returns the engine's status and keeps a failing one in
// lastResult until GetLastStatus collects it.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <cstddef>

#include "controls/gdip_color.h"

namespace quarnel {

namespace gdip {

// Opaque engine objects.
struct GpGraphics;
struct GpImage;
struct GpImageAttributes;

enum Status : int {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20
};

enum SmoothingMode : int {
    SmoothingModeDefault = 0,
    SmoothingModeHighSpeed = 1,
    SmoothingModeHighQuality = 2,
    SmoothingModeNone = 3,
    SmoothingModeAntiAlias = 4
};

enum Unit : int { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3 };

enum ColorAdjustType : int {
    ColorAdjustTypeDefault = 0,
    ColorAdjustTypeBitmap = 1,
    ColorAdjustTypeBrush = 2,
    ColorAdjustTypePen = 3,
    ColorAdjustTypeText = 4
};

using DrawImageAbort = BOOL(WINAPI*)(void* callbackData);

// Starts the engine (version 1, background thread and external codecs on) and keeps the
// token; every successful start is undone by ShutdownEngine.
Status StartEngine();
void ShutdownEngine();
bool EngineRunning();

// The engine's allocator (GdipAlloc), replaceable so tests can refuse memory; nullptr
// restores GdipAlloc.
void* EngineAlloc(std::size_t size);
using Allocator = void* (*)(std::size_t size);
void SetAllocator(Allocator allocator);

// Starts the engine for the life of the program's main scope.
class EngineSession {
public:
    EngineSession() { StartEngine(); }
    ~EngineSession() { ShutdownEngine(); }
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;
};

} // namespace gdip

// Instances live in the engine's memory (GdipAlloc/GdipFree). When the engine hands out
// nothing, as before it is started, the engine is started and asked once more; a second
// refusal throws std::bad_alloc.
class TGdipBase {
public:
    static void* operator new(std::size_t size);
    static void operator delete(void* memory) noexcept;

    TGdipBase(const TGdipBase&) = delete;
    TGdipBase& operator=(const TGdipBase&) = delete;
    virtual ~TGdipBase() = default;

    // Returns the last failing status and forgets it.
    gdip::Status GetLastStatus();

protected:
    TGdipBase() = default;
    // Keeps a failing status in lastResult; returns it.
    gdip::Status SetStatus(gdip::Status status);

    gdip::Status lastResult = gdip::Ok;
};

class TGdipImage;
class TGdipImageAttributes;

class TGdipGraphics : public TGdipBase {
public:
    explicit TGdipGraphics(HDC dc);
    ~TGdipGraphics() override;

    gdip::Status SetSmoothingMode(gdip::SmoothingMode smoothingMode);
    // A null image or attributes object passes a null handle to the engine.
    gdip::Status DrawImage(const TGdipImage* image, const TGdipRectF& destRect, float srcx,
                           float srcy, float srcwidth, float srcheight, gdip::Unit srcUnit,
                           const TGdipImageAttributes* imageAttributes,
                           gdip::DrawImageAbort callback = nullptr, void* callbackData = nullptr);

protected:
    gdip::GpGraphics* nativeGraphics = nullptr;
};

class TGdipImage : public TGdipBase {
public:
    // Decodes a picture from `stream`, with its embedded colour management when asked.
    TGdipImage(IStream* stream, bool useEmbeddedColorManagement);
    ~TGdipImage() override;

    // 0 when the engine cannot tell.
    UINT GetWidth();
    UINT GetHeight();
    gdip::GpImage* NativeImage() const noexcept { return nativeImage; }

protected:
    TGdipImage() = default;

    gdip::GpImage* nativeImage = nullptr;
};

class TGdipBitmap : public TGdipImage {
public:
    TGdipBitmap(IStream* stream, bool useEmbeddedColorManagement);

    gdip::Status GetPixel(int x, int y, ARGB& color);
};

class TGdipImageAttributes : public TGdipBase {
public:
    TGdipImageAttributes();
    ~TGdipImageAttributes() override;

    // Leaves out every pixel between the two colours (inclusive) when drawing.
    gdip::Status SetColorKey(ARGB colorLow, ARGB colorHigh,
                             gdip::ColorAdjustType type_ = gdip::ColorAdjustTypeDefault);
    gdip::GpImageAttributes* NativeImageAttributes() const noexcept { return nativeImageAttr; }

protected:
    gdip::GpImageAttributes* nativeImageAttr = nullptr;
};

} // namespace quarnel
