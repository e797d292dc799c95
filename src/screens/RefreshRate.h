#pragma once

// A refresh rate as exactly as the system tells it: num / den hertz (59.94 Hz is 60000 / 1001).
struct RefreshRate {
    unsigned num = 60;
    unsigned den = 1;

    double Hz() const { return static_cast<double>(num) / den; }
    bool operator==(const RefreshRate& o) const {
        return static_cast<unsigned long long>(num) * o.den == static_cast<unsigned long long>(o.num) * den;
    }
    bool operator!=(const RefreshRate& o) const { return !(*this == o); }
};

// The rate of a mode of a whole number of hertz: 59, 119 and 143 stand for 59.94, 119.88 and 143.86
// (the NTSC-derived rates a mode list rounds down); where there is none, or one below 24 Hz, 60.
inline RefreshRate WholeRate(int hz) {
    if (hz < 24)
        return {60, 1};
    if (hz == 59 || hz == 119 || hz == 143)
        return {static_cast<unsigned>(hz + 1) * 1000, 1001};
    return {static_cast<unsigned>(hz), 1};
}
