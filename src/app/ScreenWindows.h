#pragma once
#include "PatternInput.h"
#include "PatternWindow.h"
#include "ScreenContent.h"
#include "ScreenLayout.h"
#include <boost/shared_ptr.hpp>
#include <vector>

// The work on the frame's list of pattern windows that follows the screens: the list made to cover
// the chosen screens of a layout, each window told which screen it covers, and a content shown on
// every window. The list stays the frame's; this keeps no state of its own.
class CScreenWindows {
  public:
    using Windows = std::vector<boost::shared_ptr<CPatternWindow>>;
    // At how many bits per colour calibration software's patches show where it asks for more than 8:
    // at 10 where the system says a screen takes more than 8 bits (automatic), or always at 8 or 10.
    enum class PatchDepth { automatic, eight, ten };

    CScreenWindows(Windows& windows, CPatternInput* owner, HINSTANCE instance);

    // Makes the windows cover exactly the chosen screens of the layout (numbers from 1, in the layout's
    // order; none chosen: all). A window whose screen is still there stays untouched, others move to
    // the new screens, missing ones are made and show `content`, the surplus is destroyed. Answers the
    // numbers of the screens whose window is new or changed its size.
    std::vector<int> Reconcile(const ScreenLayout& layout, const std::vector<int>& chosen, PatchDepth depth,
                               const ScreenContent& content);
    // Every window shows the content (see CPatternWindow::SetContent).
    void Show(const ScreenContent& content, bool redraw);
    // The display's format may have changed: every window makes its surface anew.
    void RemakeSurfaces();
    // The rectangles the windows cover, in screen order.
    std::vector<RECT> Covered() const;

    // What new windows make their 10-bit outputs with (null: none).
    CDeepDevices* devices = nullptr;

  private:
    Windows& windows;
    CPatternInput* owner;
    HINSTANCE instance;
};
