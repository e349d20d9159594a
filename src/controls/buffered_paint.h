// The thread's buffered-paint session: between BufferedPaintInit and BufferedPaintUnInit the
// system keeps the buffers of BeginBufferedPaint from one paint to the next, instead of making
// a new one for every paint of every glass button.
#pragma once

#include <windows.h>

#include <uxtheme.h>

namespace quarnel {

class BufferedPaintSession {
public:
    BufferedPaintSession() noexcept : started_(SUCCEEDED(::BufferedPaintInit())) {}
    ~BufferedPaintSession() {
        if (started_)
            ::BufferedPaintUnInit();
    }
    BufferedPaintSession(const BufferedPaintSession&) = delete;
    BufferedPaintSession& operator=(const BufferedPaintSession&) = delete;

private:
    bool started_;
};

} // namespace quarnel
