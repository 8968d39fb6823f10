#include "support/FailingSaveStep.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

int FailingSaveStep::s_errors[STEPS] = {};
int FailingSaveStep::s_calls[STEPS] = {};

FailingSaveStep::FailingSaveStep(Step step, int error) : m_step(step), m_saved(ReplacementFile::s_systemCalls)
{
    s_errors[step] = error;
    s_calls[step] = 0;
    ReplacementFile::SystemCalls& calls = ReplacementFile::s_systemCalls;
    switch (step) {
    case MakeNewFile:
        // Only a file that is made fails; the folder can still be opened to be flushed.
        calls.open = [](const char* path, int flags, mode_t mode) {
            if ((flags & O_CREAT) == 0)
                return ::open(path, flags, mode);
            ++s_calls[MakeNewFile];
            errno = s_errors[MakeNewFile];
            return -1;
        };
        break;
    case CutToLength:
        calls.ftruncate = [](int, off_t) {
            ++s_calls[CutToLength];
            errno = s_errors[CutToLength];
            return -1;
        };
        break;
    case Flush:
        calls.fsync = [](int) {
            ++s_calls[Flush];
            errno = s_errors[Flush];
            return -1;
        };
        break;
    case CloseFile:
        calls.close = [](int fd) {
            ++s_calls[CloseFile];
            ::close(fd);
            errno = s_errors[CloseFile];
            return -1;
        };
        break;
    case Rename:
        calls.rename = calls.renameNoReplace = [](const char*, const char*) {
            ++s_calls[Rename];
            errno = s_errors[Rename];
            return -1;
        };
        break;
    }
}

FailingSaveStep::~FailingSaveStep()
{
    ReplacementFile::s_systemCalls = m_saved;
}
