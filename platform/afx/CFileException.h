// A failure of a file operation: what went wrong (the cause), the system's own error
// number, and the file, which the message names.
#pragma once

#include "CException.h"

class CFileException : public CException {
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
    {
    }

    // The cause that fits a system error number.
    static int OsErrorToException(LONG lOsError);

    CString GetErrorMessage() const override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};
