// The frame's pattern windows matched to the screens, and a content shown on all of them.
#include "ScreenWindows.h"
#include <algorithm>

CScreenWindows::CScreenWindows(Windows& windows, CPatternInput* owner, HINSTANCE instance)
    : windows(windows), owner(owner), instance(instance) {}

std::vector<int> CScreenWindows::Reconcile(const ScreenLayout& layout, const std::vector<int>& chosen,
                                           PatchDepth depth, const ScreenContent& content) {
    // The chosen screens that exist now, with their numbers; a chosen number beyond the list is absent.
    std::vector<ScreenInfo> screens;
    std::vector<int> numbers;
    for (size_t i = 0; i < layout.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (chosen.empty() || std::find(chosen.begin(), chosen.end(), number) != chosen.end()) {
            screens.push_back(layout[i]);
            numbers.push_back(number);
        }
    }
    Windows placed(screens.size());
    std::vector<bool> taken(windows.size(), false);
    // A window already on one of the screens stays there: nothing on that monitor flickers.
    for (size_t i = 0; i < screens.size(); ++i)
        for (size_t j = 0; j < windows.size() && !placed[i]; ++j)
            if (!taken[j] && ::EqualRect(&windows[j]->screenRect, &screens[i].rect)) {
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

    const int count = static_cast<int>(layout.size());
    std::vector<int> resized;
    for (size_t i = 0; i < windows.size(); ++i) {
        const int index = static_cast<int>(i);
        const bool tenBits = depth == PatchDepth::ten ||
                             (depth == PatchDepth::automatic && screens[i].details.bitsPerColor > 8);
        const ScreenDescription description = {numbers[i], count, screens[i].details, tenBits};
        const RECT& r = screens[i].rect;
        if (windows[i]) {
            const RECT& was = windows[i]->screenRect;
            if (was.right - was.left != r.right - r.left || was.bottom - was.top != r.bottom - r.top)
                resized.push_back(numbers[i]);
            windows[i]->Describe(description);
            windows[i]->SetScreen(index, r);
            continue;
        }
        resized.push_back(numbers[i]);
        windows[i].reset(new CPatternWindow(owner, instance, index, screens[i].rect, devices));
        windows[i]->Describe(description);
        windows[i]->Create();
        windows[i]->Show(SW_SHOWNORMAL);
        windows[i]->SetContent(content, true);
        windows[i]->Update();
    }
    return resized;
}

void CScreenWindows::Show(const ScreenContent& content, bool redraw) {
    for (auto& window : windows)
        window->SetContent(content, redraw);
}

void CScreenWindows::RemakeSurfaces() {
    for (auto& window : windows)
        window->RemakeSurface();
}

std::vector<RECT> CScreenWindows::Covered() const {
    std::vector<RECT> covered;
    for (const auto& window : windows)
        covered.push_back(window->screenRect);
    return covered;
}
