#include "controls/aero_buttons.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "controls/aero_platform.h"
#include "controls/button_face.h"
#include "controls/visual_styles.h"
#include "toolkit/scope_guard.h"

namespace quarnel {
namespace {

using toolkit::SystemColor;

RECT ClientRect(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return client;
}

RECT Shrunk(RECT rect, int by) {
    ::InflateRect(&rect, -by, -by);
    return rect;
}

} // namespace

TAeroButton::TAeroButton() : TAeroButton(std::make_unique<TButtonGlyph>()) {}

TAeroButton::TAeroButton(std::unique_ptr<TButtonGlyph> glyph)
    : PushButtonBase(), canvas_(std::make_unique<toolkit::Canvas>()), glyph_(std::move(glyph)) {
    // Image index -1, picture left, spacing 4: the member initialisers.
    // Owner-draw, measure-item and colour requests come back from the parent: the toolkit
    // reflects them to every control, so there is no reflector flag to add.
    // Buffered whatever the parent does.
    SetDoubleBuffered(true);
}

TAeroButton::~TAeroButton() {
    // The window first: while it exists it may still ask to be drawn through glyph and canvas.
    if (hwnd() != nullptr)
        ::DestroyWindow(hwnd());
    glyph_.reset();
    canvas_.reset();
}

void TAeroButton::SetImageIndex(int value) {
    StoreAndInvalidate(imageIndex_, value);
}

void TAeroButton::SetImages(const ImageList* value) {
    StoreAndInvalidate(images_, value);
}

void TAeroButton::SetImagePos(TImagePos value) {
    StoreAndInvalidate(imagePos_, value);
}

void TAeroButton::SetSpacing(int value) {
    StoreAndInvalidate(spacing_, value);
}

std::uint32_t TAeroButton::GetVersionNr() const {
    return 0x01000001;
}

std::wstring TAeroButton::Version() const {
    const std::u16string text = VersionText(GetVersionNr());
    return std::wstring(text.begin(), text.end());
}

void TAeroButton::SetVersion(const std::wstring&) {}

void TAeroButton::Notification(const void* component, Operation operation) {
    PushButtonBase::Notification(component, operation);
    if (operation == Operation::Remove && component != nullptr && component == images_)
        SetImages(nullptr);
}

DWORD TAeroButton::ButtonStyle() const {
    return PushButtonBase::ButtonStyle() | BS_OWNERDRAW;
}

void TAeroButton::SetButtonStyle(bool active) {
    // Only the face changes: the platform style stays owner-draw.
    if (active == defaultLook_)
        return;
    defaultLook_ = active;
    if (hwnd() != nullptr)
        Repaint();
}

void TAeroButton::MouseEnter() {
    PushButtonBase::MouseEnter();
    if (ActiveTheme() != nullptr && !hot_ && !Designing()) {
        hot_ = true;
        Repaint();
    }
}

void TAeroButton::MouseLeave() {
    PushButtonBase::MouseLeave();
    if (ActiveTheme() != nullptr && hot_) {
        hot_ = false;
        Repaint();
    }
}

HTHEME TAeroButton::ActiveTheme() {
    if (hwnd() == nullptr || !VisualStylesActive())
        return nullptr;
    if (!theme_)
        theme_.reset(::OpenThemeData(hwnd(), L"BUTTON"));
    return theme_.get();
}

bool TAeroButton::OnGlass() {
    const AeroPlatform& platform = CurrentAeroPlatform();
    GlassInputs inputs;
    inputs.stylesActive = ActiveTheme() != nullptr;
    inputs.compositionOn = inputs.stylesActive && platform.CompositionOn();
    inputs.designing = Designing();
    const HWND form = ::GetAncestor(hwnd(), GA_ROOT);
    inputs.hasForm = form != nullptr && form != hwnd() && Window::FromHandle(form) != nullptr;
    if (inputs.compositionOn && inputs.hasForm) {
        const GlassFrame frame = platform.FormGlassFrame(form);
        inputs.frameExtended =
            GlassFrameExtended(frame, inputs.compositionOn, platform.PlatformStyleActive());
        if (inputs.frameExtended) {
            RECT mine = ClientRect(hwnd());
            ::MapWindowPoints(hwnd(), form, reinterpret_cast<POINT*>(&mine), 2);
            const RECT formClient = ClientRect(form);
            inputs.coversControl =
                GlassCoversControl(frame, formClient.right, formClient.bottom,
                                   {mine.left, mine.top, mine.right, mine.bottom});
        }
    }
    return quarnel::OnGlass(inputs);
}

unsigned TAeroButton::TextFlags() const {
    const LONG_PTR exStyle = ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    const HWND topLevel = ::GetAncestor(hwnd(), GA_ROOT);
    const LRESULT uiState = ::SendMessageW(topLevel, WM_QUERYUISTATE, 0, 0);
    TextFlagInputs inputs;
    inputs.alignRight = (exStyle & WS_EX_RIGHT) != 0;
    inputs.readRightToLeft = (exStyle & WS_EX_RTLREADING) != 0;
    inputs.acceleratorsHidden = (uiState & UISF_HIDEACCEL) != 0;
    inputs.wordWrap = WordWrap();
    return quarnel::TextFlags(inputs);
}

void TAeroButton::DrawFace(HDC dc, const RECT& itemRect, UINT itemState) {
    // The canvas lets go of the DC on every path, a failed glyph drawing included: the DC of
    // a paint does not outlive it.
    canvas_->Bind(dc);
    const toolkit::ScopeGuard unbind([this]() noexcept { canvas_->Unbind(); });
    canvas_->SetFont(Font());
    if (HTHEME theme = ActiveTheme())
        DrawThemedFace(theme, itemRect, itemState);
    else
        DrawClassicFace(itemRect, itemState);
}

void TAeroButton::DrawThemedFace(HTHEME theme, const RECT& itemRect, UINT itemState) {
    const HDC dc = canvas_->dc();
    const bool pressed = (itemState & ODS_SELECTED) != 0;
    const bool hasFocus = (itemState & ODS_FOCUS) != 0;
    const bool enabled = Enabled();
    const bool picture = ShowsPicture(images_, imageIndex_);

    const ThemedButton element = ChooseElement({enabled, pressed, hasFocus, defaultLook_, hot_});
    const int stateId = ThemeStateOf(element);
    const bool glass = OnGlass();

    RECT r = ClientRect(hwnd());
    if (!glass) {
        if (::IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, stateId))
            ::DrawThemeParentBackground(hwnd(), dc, nullptr);
    } else {
        r = Shrunk(r, 2);
        ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
    ::DrawThemeBackground(theme, dc, BP_PUSHBUTTON, stateId, &itemRect, nullptr);
    ::GetThemeBackgroundContentRect(theme, dc, BP_PUSHBUTTON, stateId, &itemRect, &r);

    const POINT offset = element == ThemedButton::Pressed ? POINT{1, 0} : POINT{0, 0};
    std::uint8_t state = GlyphState(enabled, pressed);
    if (glass)
        state |= kGlassStateFlag;
    glyph_->Draw(*canvas_, {.client = r,
                            .captionShift = offset,
                            .caption = Text(),
                            .layout = LayoutFor(imagePos_, picture),
                            .spacing = spacing_,
                            .state = state,
                            .textFlags = TextFlags(),
                            .images = images_,
                            .imageIndex = imageIndex_});

    if (defaultLook_ && hasFocus) {
        canvas_->SetPen(SystemColor(COLOR_WINDOWFRAME));
        canvas_->SetBrushColor(SystemColor(COLOR_BTNFACE));
        canvas_->DrawFocusRect(r);
    }
}

void TAeroButton::DrawClassicFace(const RECT&, UINT itemState) {
    const HDC dc = canvas_->dc();
    const bool pressed = (itemState & ODS_SELECTED) != 0;
    const bool hasFocus = (itemState & ODS_FOCUS) != 0;
    const RECT client = ClientRect(hwnd());
    RECT r = client;
    const UINT frameFlags = ClassicFrameFlags(pressed, (itemState & ODS_DISABLED) != 0);

    if (defaultLook_ || hasFocus) {
        canvas_->SetPen(SystemColor(COLOR_WINDOWFRAME), 1);
        canvas_->SetBrushStyle(toolkit::Canvas::BrushStyle::Clear);
        canvas_->Rectangle(r);
        r = Shrunk(r, 1);
    }
    if (pressed) {
        canvas_->SetPen(SystemColor(COLOR_BTNSHADOW), 1);
        canvas_->SetBrushColor(SystemColor(COLOR_BTNFACE));
        canvas_->Rectangle(r);
        r = Shrunk(r, 1);
    } else {
        ::DrawFrameControl(dc, &r, DFC_BUTTON, frameFlags);
    }
    if (defaultLook_)
        r = Shrunk(client, 1);
    canvas_->SetFont(Font());
    if (pressed)
        ::OffsetRect(&r, 1, 1);

    // The classic face always puts the picture left of the caption, 4 pixels from it.
    glyph_->Draw(*canvas_, {.client = r,
                            .caption = Text(),
                            .layout = blGlyphLeft,
                            .spacing = 4,
                            .state = GlyphState(Enabled(), pressed),
                            .textFlags = TextFlags(),
                            .images = images_,
                            .imageIndex = imageIndex_});

    if (defaultLook_ && hasFocus) {
        r = Shrunk(client, 4);
        canvas_->SetPen(SystemColor(COLOR_WINDOWFRAME));
        canvas_->SetBrushColor(SystemColor(COLOR_BTNFACE));
        canvas_->DrawFocusRect(r);
    }
}

void TAeroButton::PaintBuffered(HDC requestDc) {
    if (!DoubleBuffered() || requestDc != nullptr) {
        // The platform paints the button into the DC and asks us to draw it (owner-draw).
        DefaultHandling(WM_PAINT, reinterpret_cast<WPARAM>(requestDc), 0);
        return;
    }
    const toolkit::UniquePaint paint = toolkit::BeginPaintScope(hwnd());
    if (!paint)
        return;
    const RECT update = toolkit::UpdateRect(paint);
    if (::IsRectEmpty(&update))
        return;
    const HDC windowDc = paint.get();
    auto paintDirectly = [&] {
        ::SendMessageW(hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(windowDc), 0);
        PaintBuffered(windowDc);
    };

    if (CurrentAeroPlatform().CompositionOn()) {
        HDC bufferDc = nullptr;
        // Ending it copies the buffer, alpha channel as drawn, to the window.
        const toolkit::UniqueBufferedPaint buffer =
            toolkit::BeginBufferedPaintScope(windowDc, update, BPBF_TOPDOWNDIB, bufferDc);
        if (!buffer) {
            paintDirectly();
            return;
        }
        ::SendMessageW(hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bufferDc), 0);
        ::SendMessageW(hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bufferDc), PRF_CLIENT);
        return;
    }

    const int width = update.right - update.left;
    const int height = update.bottom - update.top;
    const toolkit::UniqueBitmap bitmap(::CreateCompatibleBitmap(windowDc, width, height));
    const toolkit::UniqueMemoryDc memory(::CreateCompatibleDC(windowDc));
    if (!bitmap || !memory) {
        paintDirectly();
        return;
    }
    const toolkit::UniqueSelection selection = toolkit::Select(memory.get(), bitmap.get());
    // Client coordinates land in the bitmap.
    ::SetWindowOrgEx(memory.get(), update.left, update.top, nullptr);
    ::SendMessageW(hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.get()), 0);
    PaintBuffered(memory.get());
    ::BitBlt(windowDc, update.left, update.top, width, height, memory.get(), update.left,
             update.top, SRCCOPY);
}

LRESULT TAeroButton::ControlColor(HDC dc) {
    const HWND parentWindow = ::GetParent(hwnd());
    const Window* parent = Window::FromHandle(parentWindow);
    if (parent != nullptr && parent->DoubleBuffered()) {
        // The parent erases its background into our DC, shifted to where we stand.
        POINT origin{};
        ::GetWindowOrgEx(dc, &origin);
        ::SetWindowOrgEx(dc, origin.x + Left(), origin.y + Top(), nullptr);
        ::SendMessageW(parentWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ::SetWindowOrgEx(dc, origin.x, origin.y, nullptr);
    } else {
        ::DrawThemeParentBackground(hwnd(), dc, nullptr);
    }
    return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

bool TAeroButton::HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        DrawFace(item.hDC, item.rcItem, item.itemState);
        result = TRUE;
        return true;
    }
    case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        item.itemWidth = static_cast<UINT>(Width());
        item.itemHeight = static_cast<UINT>(Height());
        result = TRUE;
        return true;
    }
    case WM_CTLCOLORBTN:
        if (ActiveTheme() == nullptr)
            break;
        result = ControlColor(reinterpret_cast<HDC>(wParam));
        return true;
    default:
        break;
    }
    return PushButtonBase::HandleReflected(message, wParam, lParam, result);
}

LRESULT TAeroButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintBuffered(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        if (ActiveTheme() != nullptr)
            return 1;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = PushButtonBase::HandleMessage(message, wParam, lParam);
        Invalidate();
        return result;
    }
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        // Every click of a fast series is a fresh press, whatever the mouse button: no
        // double-click handling at all.
        return ::SendMessageW(hwnd(), toolkit::SingleClickOf(message), wParam, lParam);
    case WM_THEMECHANGED:
        theme_.reset();
        break;
    default:
        break;
    }
    return PushButtonBase::HandleMessage(message, wParam, lParam);
}

} // namespace quarnel
