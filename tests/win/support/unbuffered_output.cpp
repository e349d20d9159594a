// Every Windows test writes its output unbuffered: a test process that dies (a crash, a kill,
// a failed start of Wine's process) then still shows how far it came, instead of nothing.
#include <cstdio>

namespace {

[[maybe_unused]] const bool kUnbuffered = [] {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::setvbuf(stderr, nullptr, _IONBF, 0);
    return true;
}();

} // namespace
