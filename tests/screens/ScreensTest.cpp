#include "DiscoverScreens.h"
#include "MonitorFunctions.h"
#include "ScreenList.h"
#include "SplitSingleDisplay.h"
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

OSVERSIONINFOA Version(DWORD platform, DWORD major, DWORD minor) {
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = sizeof v;
    v.dwPlatformId = platform;
    v.dwMajorVersion = major;
    v.dwMinorVersion = minor;
    return v;
}

TEST(Screens, VersionDecidesBetweenEnumerationAndTheSingleDisplay) {
    EXPECT_FALSE(CScreenList::UsesMonitorEnumeration(Version(VER_PLATFORM_WIN32_WINDOWS, 4, 0))); // 95
    EXPECT_TRUE(CScreenList::UsesMonitorEnumeration(Version(VER_PLATFORM_WIN32_WINDOWS, 4, 10))); // 98
    EXPECT_TRUE(CScreenList::UsesMonitorEnumeration(Version(VER_PLATFORM_WIN32_WINDOWS, 4, 90))); // Me
    EXPECT_TRUE(CScreenList::UsesMonitorEnumeration(Version(VER_PLATFORM_WIN32_WINDOWS, 5, 0)));
    EXPECT_FALSE(CScreenList::UsesMonitorEnumeration(Version(VER_PLATFORM_WIN32_NT, 3, 51)));
    EXPECT_FALSE(CScreenList::UsesMonitorEnumeration(Version(VER_PLATFORM_WIN32_NT, 4, 0)));
    EXPECT_TRUE(CScreenList::UsesMonitorEnumeration(Version(VER_PLATFORM_WIN32_NT, 5, 0)));
    EXPECT_TRUE(CScreenList::UsesMonitorEnumeration(Version(VER_PLATFORM_WIN32_NT, 10, 0)));
    EXPECT_TRUE(CScreenList::UsesMonitorEnumeration(Version(VER_PLATFORM_WIN32s, 3, 1)));
    EXPECT_TRUE(CScreenList::UsesMonitorEnumeration(Version(7, 1, 0)));
    // Compared as unsigned: a huge major version is a new system, not an old one.
    EXPECT_TRUE(CScreenList::UsesMonitorEnumeration(Version(VER_PLATFORM_WIN32_NT, 0xFFFFFFFFu, 0)));
}

TEST(Screens, KnownDualHeadDesktopsSplitIntoLeftAndRightHalves) {
    struct Case {
        int w, h;
    };
    for (const Case& c : {Case{3200, 1200}, Case{2400, 1600}, Case{2560, 1024}, Case{2048, 1280},
                          Case{1600, 2400}, Case{1200, 3200}, Case{1280, 2048}, Case{1024, 2560}}) {
        const std::vector<RECT> parts = SplitSingleDisplay(c.w, c.h);
        ASSERT_EQ(parts.size(), 2u) << c.w << "x" << c.h;
        const RECT left = {0, 0, c.w / 2, c.h}, right = {c.w / 2, 0, c.w, c.h};
        EXPECT_TRUE(::EqualRect(&parts[0], &left)) << c.w << "x" << c.h;
        EXPECT_TRUE(::EqualRect(&parts[1], &right)) << c.w << "x" << c.h;
    }
    for (const Case& c :
         {Case{1280, 1024}, Case{3200, 1024}, Case{1600, 1200}, Case{1200, 3201}, Case{2400, 1200}}) {
        const std::vector<RECT> parts = SplitSingleDisplay(c.w, c.h);
        ASSERT_EQ(parts.size(), 1u) << c.w << "x" << c.h;
        const RECT whole = {0, 0, c.w, c.h};
        EXPECT_TRUE(::EqualRect(&parts[0], &whole));
    }
}

const char* missing = nullptr;

FARPROC LookUpAllBut(const char* name) {
    return std::strcmp(name, missing) == 0 ? nullptr : CMonitorFunctions::LookUpInUser32(name);
}

BOOL CALLBACK Collect(HMONITOR monitor, HDC dc, LPRECT rect, LPARAM data) {
    EXPECT_EQ(dc, nullptr);
    reinterpret_cast<std::vector<std::pair<HMONITOR, RECT>>*>(data)->push_back({monitor, *rect});
    return TRUE;
}

TEST(Screens, AnyMissingMonitorFunctionGivesTheSingleMonitorAnswers) {
    const char* names[] = {"GetSystemMetrics",   "MonitorFromWindow",   "MonitorFromRect",
                           "MonitorFromPoint",   "EnumDisplayMonitors", "GetMonitorInfoA",
                           "EnumDisplayDevicesA"};
    const RECT primary = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        missing = name;
        const CMonitorFunctions functions(&LookUpAllBut);
        EXPECT_FALSE(functions.Found());
        EXPECT_EQ(functions.GetSystemMetrics(SM_CMONITORS), 1);
        std::vector<std::pair<HMONITOR, RECT>> seen;
        EXPECT_TRUE(
            functions.EnumDisplayMonitors(nullptr, nullptr, &Collect, reinterpret_cast<LPARAM>(&seen)));
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_TRUE(::EqualRect(&seen[0].second, &primary));

        MONITORINFOEXA info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(functions.GetMonitorInfoA(seen[0].first, reinterpret_cast<MONITORINFO*>(&info)));
        EXPECT_TRUE(::EqualRect(&info.rcMonitor, &primary));
        EXPECT_EQ(info.dwFlags, static_cast<DWORD>(MONITORINFOF_PRIMARY));
        EXPECT_STREQ(info.szDevice, "DISPLAY");
        RECT work;
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_TRUE(::EqualRect(&info.rcWork, &work));
    }
}

TEST(Screens, TheSystemsMonitorsInEnumerationOrder) {
    const CMonitorFunctions& functions = CMonitorFunctions::Process();
    ASSERT_TRUE(functions.Found());
    EXPECT_EQ(functions.GetSystemMetrics(SM_CMONITORS), ::GetSystemMetrics(SM_CMONITORS));

    CScreenList* list = CScreenList::GetInstance();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(CScreenList::GetInstance(), list);
    list->Enumerate();
    std::vector<std::pair<HMONITOR, RECT>> seen;
    ::EnumDisplayMonitors(nullptr, nullptr, &Collect, reinterpret_cast<LPARAM>(&seen));
    ASSERT_EQ(list->records.size(), seen.size());
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(list->records[i].monitor, seen[i].first);
        EXPECT_TRUE(::EqualRect(&list->records[i].rect, &seen[i].second));
        EXPECT_TRUE(::EqualRect(&list->records[i].info.rcMonitor, &seen[i].second));
        EXPECT_EQ(list->records[i].info.cbSize, sizeof(MONITORINFOEXA));
    }
}

int reportedMonitors = 0;

int WINAPI ReportedMetrics(int index) {
    return index == SM_CMONITORS ? reportedMonitors : ::GetSystemMetrics(index);
}

FARPROC LookUpWithReportedCount(const char* name) {
    if (std::strcmp(name, "GetSystemMetrics") == 0)
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&ReportedMetrics));
    return CMonitorFunctions::LookUpInUser32(name);
}

TEST(Screens, TheScreensAreTheEnumeratedMonitorsNoMoreThanTheSystemCounts) {
    std::vector<std::pair<HMONITOR, RECT>> seen;
    ::EnumDisplayMonitors(nullptr, nullptr, &Collect, reinterpret_cast<LPARAM>(&seen));
    ASSERT_GE(seen.size(), 2u) << "the bench has two heads";
    const CMonitorFunctions functions(&LookUpWithReportedCount);
    ASSERT_TRUE(functions.Found());
    // The count may lag behind the enumeration while a monitor comes or goes: never read past it.
    const int n = static_cast<int>(seen.size());
    for (int reported : {n, n + 3, n - 1, 1, 0, -1}) {
        reportedMonitors = reported;
        const std::vector<RECT> rects = DiscoverScreens(functions);
        const size_t expected = static_cast<size_t>(std::max(0, std::min(reported, n)));
        ASSERT_EQ(rects.size(), expected) << "reported " << reported;
        for (size_t i = 0; i < rects.size(); ++i)
            EXPECT_TRUE(::EqualRect(&rects[i], &seen[i].second))
                << "reported " << reported << ", screen " << i;
    }
    const std::vector<RECT> now = DiscoverScreens();
    ASSERT_EQ(now.size(), seen.size());
}

} // namespace
