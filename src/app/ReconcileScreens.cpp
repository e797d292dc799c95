#include "Frame.h"
#include "PatternWindow.h"
#include <algorithm>

void CFrame::CreateScreenWindows() {
    ReconcileScreens(screenSource());
}

void CFrame::ReconcileScreens(const std::vector<RECT>& all) {
    followedScreens = all;
    // The chosen screens that exist now, with their numbers; a chosen number beyond the list is absent.
    std::vector<RECT> screens;
    std::vector<int> numbers;
    for (size_t i = 0; i < all.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (chosenScreens.empty() ||
            std::find(chosenScreens.begin(), chosenScreens.end(), number) != chosenScreens.end()) {
            screens.push_back(all[i]);
            numbers.push_back(number);
        }
    }
    std::vector<boost::shared_ptr<CPatternWindow>> placed(screens.size());
    std::vector<bool> taken(windows.size(), false);
    // A window already on one of the screens stays there: nothing on that monitor flickers.
    for (size_t i = 0; i < screens.size(); ++i)
        for (size_t j = 0; j < windows.size() && !placed[i]; ++j)
            if (!taken[j] && ::EqualRect(&windows[j]->screenRect, &screens[i])) {
                placed[i] = windows[j];
                taken[j] = true;
            }
    // The other windows, in order, go to the screens still without one.
    size_t next = 0;
    for (size_t i = 0; i < screens.size(); ++i) {
        while (next < windows.size() && taken[next])
            ++next;
        if (!placed[i] && next < windows.size()) {
            placed[i] = windows[next];
            taken[next] = true;
        }
    }
    // Windows left over belong to monitors that are gone; the list held their only references.
    windows.swap(placed);
    placed.clear();

    for (size_t i = 0; i < windows.size(); ++i) {
        const int index = static_cast<int>(i);
        if (windows[i]) {
            const bool renumbered = windows[i]->screenNumber != numbers[i];
            windows[i]->screenNumber = numbers[i];
            windows[i]->screenCount = static_cast<int>(all.size());
            windows[i]->SetScreen(index, screens[i]);
            if (renumbered && content.overlay) // the overlay says which screen this is
                windows[i]->Invalidate(nullptr, true);
            continue;
        }
        windows[i].reset(new CPatternWindow(this, instance, index, screens[i]));
        windows[i]->screenNumber = numbers[i];
        windows[i]->screenCount = static_cast<int>(all.size());
        windows[i]->Create();
        windows[i]->Show(SW_SHOWNORMAL);
        windows[i]->SetContent(content, true);
        windows[i]->Update();
    }
    FocusFirstScreen();
}

std::vector<RECT> CFrame::CoveredScreens() const {
    std::vector<RECT> covered;
    for (const auto& window : windows)
        covered.push_back(window->screenRect);
    return covered;
}
