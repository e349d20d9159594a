#include "ui/tiller_menu.h"

namespace quarnel {
namespace {

TillerMenuEntry Command(std::u16string_view text) {
    return {std::u16string(text), std::u16string(text), {}};
}

// "Goto" with "Goto 1" .. "Goto 9": the points of the course.
TillerMenuEntry Points(std::u16string_view word) {
    TillerMenuEntry entry{std::u16string(word), {}, {}};
    for (char16_t point = u'1'; point <= u'9'; ++point)
        entry.submenu.push_back(Command(std::u16string(word) + u' ' + point));
    return entry;
}

} // namespace

std::vector<TillerMenuEntry> TillerMenuEntries() {
    return {Command(u"Raise Anchor"), Command(u"Drop Anchor"), Command(u"Nav"),  Command(u"Start"),
            Command(u"Continue"),     Points(u"Goto"),         Points(u"Single")};
}

} // namespace quarnel
