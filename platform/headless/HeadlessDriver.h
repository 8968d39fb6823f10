// The display driver for tests: nothing is drawn, and the clock is the test's to set.
// Constructing one installs it; destroying it puts back the driver it replaced.
#pragma once

#include "displaydriver.h"

class HeadlessDriver : public DisplayDriver {
public:
    HeadlessDriver();
    ~HeadlessDriver() override;
    HeadlessDriver(const HeadlessDriver&) = delete;
    HeadlessDriver& operator=(const HeadlessDriver&) = delete;

    void SetLocalTime(const SYSTEMTIME& time) { m_localTime = time; }
    SYSTEMTIME LocalTime() override { return m_localTime; }

private:
    DisplayDriver* m_previous;
    SYSTEMTIME m_localTime{2026, 1, 4, 1, 12, 0, 0, 0};
};
