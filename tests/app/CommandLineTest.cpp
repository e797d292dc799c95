// The command line: good and bad lines, /list for scripts, and a run that answers a line in a box.
#include "App.h"
#include "CommandLine.h"
#include "OurWindows.h"
#include "PatternWindow.h"
#include "ScreenListing.h"
#include "TestPanel.h"
#include "TestWindow.h"
#include "Texts.h"
#include <gtest/gtest.h>

namespace {

TEST(CommandLine, GoodLinesAndBadOnesEachNamingItsFault) {
    const struct {
        const char* line;
        PatternMode pattern;
        std::vector<int> screens;
        int seconds;
        bool help;
    } good[] = {{"", patternNone, {}, 0, false},
                {"/pattern 3", patternGrayStepBands, {}, 0, false},
                {"  -PATTERN g  ", patternGammaChart, {}, 0, false},
                {"/screens 2,3 /Pattern 8", patternWhiteField, {2, 3}, 0, false},
                {"/screens \"1,1\" /auto 86400", patternNone, {1}, 86400, false},
                {"/AUTO 1 -screens 64", patternNone, {64}, 1, false},
                {"/?", patternNone, {}, 0, true}};
    for (const auto& c : good) {
        const CommandLine result = ParseCommandLine(c.line);
        SCOPED_TRACE(c.line);
        EXPECT_EQ(result.error, L"");
        EXPECT_EQ(result.pattern, c.pattern);
        EXPECT_EQ(result.screens, c.screens);
        EXPECT_EQ(result.autoSeconds, c.seconds);
        EXPECT_EQ(result.help, c.help);
    }
    const struct {
        const char* line;
        const wchar_t* fault;
    } bad[] = {{"/bogus", L"Unknown option /bogus"},
               {"pattern 3", L"\"pattern\" is not an option"},
               {"/pattern", L"/pattern needs a value"},
               {"/pattern 33", L"\"33\" after /pattern is not a pattern key"},
               {"/pattern x", L"\"x\" after /pattern is not a pattern key"},
               {"/screens 0", L"\"0\" after /screens is not a list"},
               {"/screens 2,", L"\"2,\" after /screens is not a list"},
               {"/screens two", L"\"two\" after /screens is not a list"},
               {"/auto 0", L"\"0\" after /auto is not a period of 1 to 86400"},
               {"/auto 86401", L"\"86401\" after /auto is not a period"},
               {"/auto -5", L"\"-5\" after /auto is not a period"},
               {"/auto +5", L"\"+5\" after /auto is not a period"},
               {"/screens \" 2\"", L"\" 2\" after /screens is not a list"},
               {"/resolve host:+80", L"\"host:+80\" after /resolve is not HOST"},
               {"/pattern 1 /pattern 2", L"/pattern is given twice"},
               {"/screens 1 /auto 5 extra", L"\"extra\" is not an option"},
               {"/resolve host:0", L"\"host:0\" after /resolve is not HOST or HOST:PORT"},
               {"/argyll [::1]:8080", L"\"[::1]:8080\" after /argyll is not HOST"},
               {"/resolve", L"/resolve needs a value"},
               {"/resolve a /argyll b", L"Only one of /resolve and /argyll"}};
    for (const auto& c : bad) {
        const CommandLine result = ParseCommandLine(c.line);
        EXPECT_EQ(result.error.find(c.fault), 0u) << c.line << ": " << result.error;
        EXPECT_EQ(result.pattern, patternNone) << c.line << ": nothing of a bad line is used";
        EXPECT_TRUE(result.screens.empty()) << c.line;
    }
    const CommandLine resolve = ParseCommandLine("/RESOLVE calibration-pc"),
                      argyll = ParseCommandLine("-argyll 10.0.0.5:9000 /screens 2");
    EXPECT_TRUE(resolve.remote && resolve.protocol == RemoteProtocol::resolve);
    EXPECT_EQ(resolve.target.Text(), "calibration-pc:20002");
    EXPECT_TRUE(argyll.remote && argyll.protocol == RemoteProtocol::argyll);
    EXPECT_EQ(argyll.target.Text(), "10.0.0.5:9000");
    EXPECT_EQ(argyll.screens, std::vector<int>{2});
    // /list goes with /lang only; /lang takes en or ja, and its language holds before the line is read.
    EXPECT_TRUE(ParseCommandLine("/list").list);
    EXPECT_TRUE(ParseCommandLine("-LIST /lang ja").list);
    EXPECT_EQ(ParseCommandLine("/lang JA").language, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    EXPECT_EQ(ParseCommandLine("/list /pattern 3").error.find(L"/list lists the screens"), 0u);
    EXPECT_EQ(ParseCommandLine("/lang de").error.find(L"\"de\" after /lang is not en or ja"), 0u);
    const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    EXPECT_EQ(LanguageOfLine("/bogus /lang ja", english), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    EXPECT_EQ(LanguageOfLine("/lang xx", english), english);
    EXPECT_EQ(LanguageOfLine("/pattern 3", MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)),
              MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    EXPECT_EQ(CheckScreens({2, 5}, 2), L"");
    EXPECT_EQ(CheckScreens({3, 5}, 2), L"There is no screen 3, 5: this PC has 2 screens.");
    EXPECT_EQ(CheckScreens({2}, 1), L"There is no screen 2: this PC has 1 screen.");
}

TEST(ScreenListing, AHeaderThenALineAScreenTabSeparatedTheSameInEveryLanguage) {
    EdidFacts oneSide = TestPanel(1920, 1080, "", "");
    oneSide.heightMm = 0; // a width without a height says no size
    const ScreenLayout layout = {{{0, 0, 3840, 2160}, {32, 60, true, 10, TestPanel(3840, 2160)}},
                                 {{-1080, -200, 0, 1720}, {32, 0, false, 0, EdidFacts()}},
                                 {{3840, 0, 5760, 1080}, {32, 60, false, 8, oneSide}}};
    const std::string expected =
        "screen\tprimary\tleft\ttop\twidth\theight\tbits_per_pixel\trefresh_hz\tbits_per_"
        "colour\tmaker\tproduct\tserial"
        "\tname\tnative_mode\tsize_mm\r\n"
        "1\tyes\t0\t0\t3840\t2160\t32\t60\t10\tDEL\tA0B1\tABC123\tDELL U2720Q\t3840x2160@59.95\t597x336\r\n"
        "2\tno\t-1080\t-200\t1080\t1920\t32\t\t\t\t\t\t\t\t\r\n"
        "3\tno\t3840\t0\t1920\t1080\t32\t60\t8\tDEL\tA0B1\t\t\t1920x1080@59.95\t\r\n";
    for (LANGID language :
         {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)}) {
        SetTextLanguage(language);
        EXPECT_EQ(ScreenListing(layout), expected);
    }
    SetTextLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
}

struct Box {
    int shown = 0;
    std::wstring text;
    UINT style = 0;
} box;

int WINAPI RecordBox(HWND, LPCWSTR text, LPCWSTR, UINT style) {
    ++box.shown;
    box.text = text;
    box.style = style;
    return IDOK;
}

bool watchdogFired = false;

void CALLBACK EndTheRun(HWND, UINT, UINT_PTR, DWORD) {
    watchdogFired = true;
    ::PostQuitMessage(99);
}

TEST(CommandLineRun, ABadLineOrHelpShowsOneBoxAndNoPatternAndEndsWithItsCode) {
    const struct {
        const char* line;
        int code;
        const wchar_t* fault;
        UINT icon;
    } runs[] = {{"/bogus", 1, L"Unknown option /bogus.", MB_ICONERROR},
                {"/screens 3", 1, L"There is no screen 3: this PC has 2 screens.", MB_ICONERROR},
                {"/auto 0", 1, L"\"0\" after /auto", MB_ICONERROR},
                {"/?", 0, L"Usage: tessaryn.exe", MB_ICONINFORMATION}};
    for (const auto& run : runs) {
        SCOPED_TRACE(run.line);
        box = Box();
        CApp app(::GetModuleHandleA(nullptr));
        app.showBox = &RecordBox;
        // A line answered in a box ends the run at once; one that starts the program instead would
        // run until the watchdog ends it.
        watchdogFired = false;
        const UINT_PTR watchdog = ::SetTimer(nullptr, 0, 5000, &EndTheRun);
        EXPECT_EQ(app.Run(SW_SHOWNORMAL, run.line), run.code);
        ::KillTimer(nullptr, watchdog);
        EXPECT_FALSE(watchdogFired) << "the program ran instead of answering the line";
        EXPECT_EQ(box.shown, 1);
        EXPECT_EQ(box.text.find(run.fault), 0u) << box.text;
        EXPECT_NE(box.text.find(L"/screens LIST"), std::wstring::npos) << "the usage follows";
        EXPECT_EQ(box.style, run.icon);
        EXPECT_TRUE(ThreadWindows(CPatternWindow::className).empty());
        UnregisterProgramClasses();
    }
}

// A timed run from the command line starts on the pattern /pattern names, or on the start-up pattern.
TEST(CommandLineRun, ATimedRunStartsOnThePatternTheLineNames) {
    const struct {
        const char* line;
        PatternMode first;
    } runs[] = {{"/auto 5", patternLevelRampChart},
                {"/pattern 3 /auto 5", patternGrayStepBands},
                {"/auto 5 /pattern g", patternGammaChart},
                {"/pattern 0 /auto 60", patternGrayField}};
    for (const auto& run : runs) {
        SCOPED_TRACE(run.line);
        CApp app(::GetModuleHandleA(nullptr));
        ASSERT_TRUE(app.Init(SW_SHOWNORMAL, run.line));
        ASSERT_NE(app.frame, nullptr);
        EXPECT_TRUE(app.frame->Running());
        for (auto& window : app.frame->windows)
            EXPECT_EQ(window->mode, run.first) << "screen " << window->screenIndex;
        app.Exit();
        UnregisterProgramClasses();
        DropQuitMessages();
    }
}

} // namespace
