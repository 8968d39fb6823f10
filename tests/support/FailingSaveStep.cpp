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
        calls.openat = [](int folder, const char* name, int flags, mode_t mode) {
            return (flags & O_CREAT) == 0 ? ::openat(folder, name, flags, mode) : Fail(MakeNewFile);
        };
        break;
    case ReserveSpace:
        calls.fallocate = [](int, int, off_t, off_t) { return Fail(ReserveSpace); };
        break;
    case WriteInPlace:
        // A write that stops half way: the first half is on its way to the disk.
        calls.pwrite = [](int fd, const void* bytes, size_t count, off_t offset) -> ssize_t {
            if (::pwrite(fd, bytes, count / 2, offset) < 0)
                return -1;
            return Fail(WriteInPlace);
        };
        break;
    case CutToLength:
        calls.ftruncate = [](int, off_t) { return Fail(CutToLength); };
        break;
    case Flush:
        calls.fsync = [](int) { return Fail(Flush); };
        break;
    case CloseFile:
        calls.close = [](int fd) {
            ::close(fd);
            return Fail(CloseFile);
        };
        break;
    case Rename:
        calls.renameat = calls.renameNoReplace = [](int, const char*, int, const char*) { return Fail(Rename); };
        break;
    }
}

FailingSaveStep::~FailingSaveStep()
{
    ReplacementFile::s_systemCalls = m_saved;
}

int FailingSaveStep::Fail(Step step)
{
    ++s_calls[step];
    errno = s_errors[step];
    return -1;
}
