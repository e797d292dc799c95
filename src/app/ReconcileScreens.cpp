#include "DiscoverScreens.h"
#include "Frame.h"
#include "PatternWindow.h"

void CFrame::CreateScreenWindows() {
    const std::vector<RECT> rects = DiscoverScreens();
    for (size_t i = 0; i < rects.size(); ++i)
        windows.push_back(boost::shared_ptr<CPatternWindow>(
            new CPatternWindow(this, instance, static_cast<int>(i), rects[i])));

    for (auto& window : windows) {
        window->Create();
        window->Show(SW_SHOWNORMAL);
        window->SetMode(patternLevelRampChart);
        window->Update();
    }
    FocusFirstScreen();
}
