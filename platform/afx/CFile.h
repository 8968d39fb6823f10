// A binary file on disk. Open reports failure by its result; the constructor that
// opens, and Read, Write, Close and GetLength, throw a CFileException instead. Only
// regular files are opened: a folder, a pipe or a device is refused at once rather
// than read from or waited on. The name is code page 936, as the program holds it.
#pragma once

#include "CFileException.h"

class CFile : public CObject {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,
    };

    CFile() = default;
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    // modeRead opens an existing file; modeCreate | modeWrite creates one or empties it.
    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    ULONGLONG GetLength() const;
    // Reads up to nCount bytes; fewer only at the end of the file.
    UINT Read(void* lpBuf, UINT nCount);
    // Writes all nCount bytes.
    void Write(const void* lpBuf, UINT nCount);
    void Close();

    CString GetFilePath() const { return m_strFileName; }

private:
    [[noreturn]] void ThrowOsError(int osError) const;

    int m_fd = -1;
    CString m_strFileName;
};
