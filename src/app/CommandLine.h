#pragma once
#include "PatternMode.h"
#include "RemoteTarget.h"
#include "ScreenWindows.h"
#include <windows.h>
#include <string>
#include <vector>

// What the command line asks for, in the Windows manner: /option value, options in any case, -option
// alike. Anything it does not know is an error, and the program then shows nothing.
struct CommandLine {
    std::wstring error;                // what is wrong, for the operator; empty when the line is good
    bool help = false;                 // /?: only the usage is shown
    bool list = false;                 // /list: only the screens are listed
    LANGID language = 0;               // /lang en|ja: the operator's texts in this language; 0: the user's
    PatternMode pattern = patternNone; // /pattern KEY: the pattern to start with
    std::vector<int> screens;          // /screens LIST: the screens to cover, from 1; empty: all
    int autoSeconds = 0;               // /auto SECONDS: a timed run from the start; 0: none
    // /depth 8|10|auto: at how many bits calibration software's patches show.
    CScreenWindows::PatchDepth depth = CScreenWindows::PatchDepth::automatic;
    bool remote = false; // /resolve or /argyll HOST[:PORT]: calibration software's patches
    RemoteProtocol protocol = RemoteProtocol::resolve;
    RemoteTarget target = {std::string(), 0};
};

CommandLine ParseCommandLine(const std::string& line);
// The language a line's /lang asks for, where it asks for one that exists; else `standard`. The texts
// take it before the line is read in full, so that even its faults are told in it.
LANGID LanguageOfLine(const std::string& line, LANGID standard);
// The options and what they do, for the message box.
std::wstring Usage();
// The error for chosen screens of which none exists among `count`; empty when one exists.
std::wstring CheckScreens(const std::vector<int>& screens, int count);
