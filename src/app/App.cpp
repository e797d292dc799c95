#include "App.h"
#include "CommandLine.h"
#include "DiscoverScreens.h"
#include "Frame.h"
#include "PatternTable.h"
#include "ScreenListing.h"
#include "Texts.h"
#include <stdexcept>

CApp::CApp(HINSTANCE instance) : CAppBase(instance), showBox(&::MessageBoxW) {}

CApp::~CApp() {}

bool CApp::Init(int, const char* commandLine) {
    const std::string line = commandLine != nullptr ? commandLine : "";
    // The language first: whatever the line says, even about its own faults, is said in it.
    SetTextLanguage(LanguageOfLine(line, UserTextLanguage()));
    const CommandLine options = ParseCommandLine(line);
    std::wstring error = options.error;
    if (error.empty() && !options.screens.empty())
        error = CheckScreens(options.screens, static_cast<int>(DiscoverScreens().size()));
    // A line that asks for help or for something the program cannot do shows no pattern at all; the
    // loop then ends at once with the code of the answer.
    if (options.list && error.empty()) {
        GiveScreenListing(ScreenListing(DiscoverLayout()), showBox);
        ::PostQuitMessage(0);
        return true;
    }
    if (options.help || !error.empty()) {
        const std::wstring text = error.empty() ? Usage() : error + L"\n\n" + Usage();
        showBox(nullptr, text.c_str(), LoadText(1).c_str(),
                error.empty() ? MB_ICONINFORMATION : MB_ICONERROR);
        ::PostQuitMessage(error.empty() ? 0 : 1);
        return true;
    }
    try {
        frame.reset(new CFrame(instance));
        frame->chosenScreens = options.screens;
        frame->patchDepth = options.depth;
        if (options.autoSeconds > 0)
            frame->runSeconds = options.autoSeconds;
        if (options.pattern != patternNone)
            frame->StartWith(options.pattern);
        frame->RegsiterClass();
        if (!frame->Create()) {
            Exit();
            return false;
        }
        if (options.remote && !frame->StartRemote(options.protocol, options.target))
            throw std::runtime_error("The network cannot be used: Winsock does not start.");
    } catch (...) {
        // Whatever stopped the start-up, no window of ours stays on screen over the report.
        frame.reset();
        throw;
    }
    frame->Show(SW_HIDE);
    if (options.autoSeconds > 0) {
        const PatternEntry* first = FindPattern(frame->Content().mode);
        frame->StartTimedRun(options.autoSeconds, static_cast<size_t>(first - patternTable));
    }
    return true;
}

bool CApp::Exit() {
    frame.reset();
    return true;
}
