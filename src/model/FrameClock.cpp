// Frame indices from time, missed frames and the measured rate of one screen.
#include "FrameClock.h"
#include <cmath>

CFrameClock::CFrameClock(Source source, const RefreshRate& rate, double start)
    : source(source), rate(rate), start(start), last(0), missed(0) {}

long long CFrameClock::FrameAt(double now) const {
    // In the rate's own terms, so that a moment on a frame's start is that frame exactly.
    const double frames = (now - start) * rate.num / (1000.0 * rate.den);
    const long long n = static_cast<long long>(source == Source::vblank ? std::floor(frames + 0.5)
                                                                        : std::floor(frames + 1e-9));
    return n < 0 ? 0 : n;
}

void CFrameClock::Shown(long long n, double now) {
    if (n > last + 1)
        missed += n - last - 1;
    if (n > last)
        last = n;
    if (source != Source::vblank)
        return;
    blanks.push_back(now);
    while (blanks.size() > 2 && now - blanks.front() > 1000.0)
        blanks.pop_front();
}

double CFrameClock::NextDue() const {
    return start + static_cast<double>(last + 1) * 1000.0 * rate.den / rate.num;
}

double CFrameClock::Rate(double now, bool& measured) const {
    measured = source == Source::vblank && now - start >= 1000.0 && blanks.size() >= 2 &&
               blanks.back() > blanks.front();
    if (!measured)
        return rate.Hz();
    return 1000.0 * static_cast<double>(blanks.size() - 1) / (blanks.back() - blanks.front());
}

CFrameClock::Source ChooseSource(const std::function<bool()>& wait, const std::function<double()>& now) {
    if (!wait())
        return CFrameClock::Source::timer;
    const double first = now();
    for (int i = 0; i < 3; ++i)
        if (!wait())
            return CFrameClock::Source::timer;
    return (now() - first) / 3 < 1.0 ? CFrameClock::Source::timer : CFrameClock::Source::vblank;
}
