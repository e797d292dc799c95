#include "OurWindows.h"
#include "Frame.h"
#include "PatternWindow.h"

namespace {

struct Search {
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM data) {
    Search* search = reinterpret_cast<Search*>(data);
    char name[128] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (search->className == name)
        search->found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> ThreadWindows(const std::string& className) {
    Search search{className, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void UnregisterProgramClasses() {
    ::UnregisterClassA(CFrame::className, ::GetModuleHandleA(nullptr));
    ::UnregisterClassA(CPatternWindow::className, ::GetModuleHandleA(nullptr));
}
