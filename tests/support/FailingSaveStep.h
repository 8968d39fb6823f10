// While one lives, one step by which a save reaches the disk fails with the error
// given, as a disk or a file system may make it fail: making the new file beside the
// old one, reserving the space for an old file written in place, writing it (half the
// bytes get there), cutting it to its length, flushing, closing, renaming. A failing
// close closes the descriptor all the same, as Linux's does.
#pragma once

#include "ReplacementFile.h"

class FailingSaveStep {
public:
    enum Step { MakeNewFile, ReserveSpace, WriteInPlace, CutToLength, Flush, CloseFile, Rename };

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

    // Counts a call of the step and sets errno to its error; returns -1.
    static int Fail(Step step);

    Step m_step;
    ReplacementFile::SystemCalls m_saved;
    static int s_errors[STEPS];
    static int s_calls[STEPS];
};
