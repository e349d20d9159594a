#include "controls/visual_styles.h"

#include <windows.h>

#include <uxtheme.h>

namespace quarnel {

namespace {

bool AskThePlatform() {
    return ::IsAppThemed() && ::IsThemeActive();
}

VisualStylesQuery g_query = &AskThePlatform;

} // namespace

bool VisualStylesActive() {
    return g_query();
}

void SetVisualStylesQuery(VisualStylesQuery query) {
    g_query = query != nullptr ? query : &AskThePlatform;
}

} // namespace quarnel
