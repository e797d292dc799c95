#pragma once
#include "RefreshRate.h"
#include <deque>
#include <functional>

// The frames of a moving pattern on one screen, on made-up time (ms from any origin): frame 0 shows at
// `start`, and at a moment t the frame due is round((t - start) / T) where the screen's vertical blanks
// pace the frames, floor((t - start) / T) where a timer does (T the period of the system's rate). The
// frames the index skips count as missed; under vertical blanks the rate is measured from them.
class CFrameClock {
  public:
    enum class Source { vblank, timer };

    CFrameClock(Source source, const RefreshRate& rate, double start);

    long long FrameAt(double now) const;
    // Frame n showed at `now` (a vertical blank's moment, or the timer's).
    void Shown(long long n, double now);
    long long Last() const { return last; }
    long long Missed() const { return missed; }
    // When the frame after the last one shown is due (where a timer paces them).
    double NextDue() const;
    // The rate to say at `now`: measured under vertical blanks once a second of them has passed (the mean
    // period over the last second), else the system's; `measured` says which.
    double Rate(double now, bool& measured) const;
    // The frames are paced by vertical blanks from now on (or by the timer again).
    void Follow(Source next) { source = next; }
    Source FollowedSource() const { return source; }
    const RefreshRate& SystemRate() const { return rate; }

  private:
    Source source;
    RefreshRate rate;
    double start;
    long long last;
    long long missed;
    std::deque<double> blanks; // the moments of the vertical blanks of the last second
};

// Whether a screen's vertical blanks can pace its frames: `wait` waits for the next one (false where it
// cannot), `now` is the clock. Three waits: a failed one, or blanks less than a millisecond apart (a wait
// that returns at once), and the timer paces the frames.
CFrameClock::Source ChooseSource(const std::function<bool()>& wait, const std::function<double()>& now);
