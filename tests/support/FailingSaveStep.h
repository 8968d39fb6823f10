// While one lives, one step by which a save reaches the disk fails with the error
// given, as a disk or a file system may make it fail: making the new file beside the
// old one, cutting a file written in place to its length, flushing, closing, renaming.
// A failing close closes the descriptor all the same, as Linux's does.
#pragma once

#include "ReplacementFile.h"

class FailingSaveStep {
public:
    enum Step { MakeNewFile, CutToLength, Flush, CloseFile, Rename };

    // Steps that fail together, such as a new file that cannot be made and then a
    // flush of the old one written in place, each take one object.
    FailingSaveStep(Step step, int error);
    ~FailingSaveStep();
    FailingSaveStep(const FailingSaveStep&) = delete;
    FailingSaveStep& operator=(const FailingSaveStep&) = delete;

    // How often the failing call of this step was made.
    int Calls() const { return s_calls[m_step]; }

private:
    static constexpr int STEPS = Rename + 1;

    Step m_step;
    ReplacementFile::SystemCalls m_saved;
    static int s_errors[STEPS];
    static int s_calls[STEPS];
};
