#include "command_line.h"

#include <windows.h>

#include <shellapi.h>

namespace practice {

namespace {

constexpr wchar_t kPrimaryClass[] = L"Ultima Online";
constexpr wchar_t kFallbackClass[] = L"UOWIN";
constexpr wchar_t kSdlClass[] = L"SDL_app";
constexpr wchar_t kOrionClass[] = L"Orion UO Client";

} // namespace

Options ParseCommandLine() {
    Options options;
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    for (int i = 1; argv != nullptr && i < argc; ++i) {
        const std::wstring argument = argv[i];
        if (argument == L"--fallback")
            options.mode = Mode::Fallback;
        else if (argument == L"--classicuo")
            options.mode = Mode::ClassicUo;
        else if (argument == L"--orion")
            options.mode = Mode::Orion;
        else if (argument == L"--decoy")
            options.mode = Mode::Decoy;
        else if (argument == L"--enter-opens-chat")
            options.enterOpensChat = true;
        else if (argument == L"--chat-closed")
            options.chatClosed = true;
        else if (argument == L"--caption" && i + 1 < argc)
            options.caption = argv[++i];
        else if (argument == L"--worker-paste")
            options.workerPaste = true;
        else if (argument == L"--log" && i + 1 < argc)
            options.logPath = argv[++i];
    }
    ::LocalFree(argv);
    return options;
}

const wchar_t* ClassName(Mode mode) {
    switch (mode) {
    case Mode::Fallback:
        return kFallbackClass;
    case Mode::ClassicUo:
    case Mode::Decoy:
        return kSdlClass;
    case Mode::Orion:
        return kOrionClass;
    case Mode::Primary:
        break;
    }
    return kPrimaryClass;
}

std::wstring Caption(const Options& options) {
    switch (options.mode) {
    case Mode::Fallback:
        return L"UOSA - Practice Client (fallback)";
    case Mode::ClassicUo:
        return options.caption.empty() ? L"Sailor - ClassicUO - 1.0.0" : options.caption;
    case Mode::Orion:
        return L"Ultima Online - Sailor (Practice)";
    case Mode::Decoy:
        return L"Practice Decoy (another SDL program)";
    case Mode::Primary:
        break;
    }
    return L"Ultima Online - Practice Client";
}

} // namespace practice
