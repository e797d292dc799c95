#pragma once
#include "Canvas.h"
#include "Window.h"
#include <functional>
#include <string>

// A plain framework window for tests: its own class name, an optional handler that sees every message
// first (return true to mark it handled), and a canvas that paints it when one is attached.
class TestWindow : public CWindow {
  public:
    using Handler = std::function<bool(TestWindow&, UINT, WPARAM, LPARAM, LRESULT&)>;

    explicit TestWindow(const std::string& className);
    ~TestWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Registers the class (once per name) and creates a visible popup at the given rectangle.
    bool CreateAt(int x, int y, int width, int height);

    std::string name;
    Handler handler;
    CCanvas* canvas = nullptr;
};

// Runs the action of every signalled wait (a frame clock's), and dispatches every queued message (sent
// ones too), without blocking.
void PumpMessages();

// Removes every quit message waiting in the queue; true when there was one.
bool DropQuitMessages();
