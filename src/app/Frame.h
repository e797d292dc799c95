#pragma once
#include "PatternInput.h"
#include "PatternMode.h"
#include "QuitListener.h"
#include "Window.h"
#include <boost/shared_ptr.hpp>
#include <vector>

class CPatternWindow;

// The controller: a hidden window of its own, one pattern window per screen, and the position in the
// pattern cycle. Keys and clicks of every pattern window come here; quitting goes through the notifier.
class CFrame : public CWindow, public CQuitListener, public CPatternInput {
  public:
    explicit CFrame(HINSTANCE instance);
    ~CFrame() override;

    static const char* const className;

    bool RegsiterClass();
    bool Create();
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    void OnChar(WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown() override;
    void OnRButtonDown() override;
    void Quit();

    void NextPattern();
    void SelectPattern(int n);
    void ApplyPatternIndex();
    void ApplyPattern(PatternMode mode);
    void FocusFirstScreen();
    void CreateScreenWindows();

    void OnPreQuit(CQuitNotifier* notifier, int code) override;
    void OnQuit(CQuitNotifier* notifier, int code) override;

    // The pattern each position of the cycle shows: keys '1' to '4'.
    static PatternMode CycleMode(int patternIndex);

    std::vector<boost::shared_ptr<CPatternWindow>> windows;
    int patternIndex;

  private:
    LRESULT OnCreate();
};
