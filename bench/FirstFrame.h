// Watches an X display from outside while a program starts on it: the time from the
// program's start to the first picture it puts into a top-level window of its own,
// and its peak memory at that moment.
#pragma once

#include <string>
#include <vector>

struct FirstFrame {
    double milliseconds = 0;  // from fork to the first damage of a mapped top-level window
    long peakKilobytes = 0;   // VmHWM of the process at that moment
};

// Starts argv on the display named by DISPLAY (on Qt's default platform, xcb), waits
// for its first frame, then kills it. Throws std::runtime_error when no frame comes
// within timeoutMilliseconds.
FirstFrame MeasureFirstFrame(const std::vector<std::string>& argv, int timeoutMilliseconds);
