// Lean stand-ins for two defaults of the C++ runtime, which the exe carries inside it.
//
// The default terminate handler demangles the type of the escaped exception and prints it to
// stderr, which a GUI program does not have; it brings the demangler and a printf with floating
// point along (about 80 KB). The helpers through which the containers throw the library's own
// errors (a string grown past max_size, a position out of range) build the std::logic_error
// family, whose message is a copy-on-write string of the old ABI, and so bring both string
// implementations along (about 45 KB). Defined here, those parts of the runtime stay out of the
// link. The errors themselves still reach the general error box with the library's text.
#include <cstdlib>
#include <exception>
#include <new>
#include <string>

namespace {

class LibraryError final : public std::exception {
public:
    explicit LibraryError(const char* text) noexcept : text_(text) {}
    const char* what() const noexcept override { return text_; }

private:
    const char* text_;
};

} // namespace

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() {
    throw bad_alloc();
}
void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}
void __throw_length_error(const char* text) {
    throw LibraryError(text);
}
void __throw_logic_error(const char* text) {
    throw LibraryError(text);
}
void __throw_out_of_range(const char* text) {
    throw LibraryError(text);
}
void __throw_invalid_argument(const char* text) {
    throw LibraryError(text);
}
// The format's arguments are left out: filling them in would bring printf back.
void __throw_out_of_range_fmt(const char* format, ...) {
    throw LibraryError(format);
}
} // namespace std
