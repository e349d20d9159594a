// The practice client's command line and the game client each mode plays.
#pragma once

#include <string>

namespace practice {

enum class Mode { Primary, Fallback, ClassicUo, Orion, Decoy };

struct Options {
    Mode mode = Mode::Primary;
    bool workerPaste = false;
    bool enterOpensChat = false;
    bool chatClosed = false;
    std::wstring caption;
    std::wstring logPath; // empty: no log
};

// Reads this process's command line; unknown arguments are passed over.
Options ParseCommandLine();

// The window class and caption of the client the mode plays.
const wchar_t* ClassName(Mode mode);
std::wstring Caption(const Options& options);

} // namespace practice
