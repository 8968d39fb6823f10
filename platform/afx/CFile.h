// A binary file on disk. Open reports failure by its result; the constructor that
// opens, and Read, Write, Close and GetLength, throw a CFileException instead. Only
// regular files are opened: a folder, a pipe or a device is refused at once rather
// than read from or waited on. The name is code page 936, as the program holds it.
#pragma once

#include <memory>
#include <string>

#include "CFileException.h"

class ReplacementFile;

class CFile : public CObject {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,
    };

    CFile();
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    // modeRead opens an existing file. modeCreate | modeWrite makes a new file that
    // replaces the named one, or the one its symbolic links lead to, with its
    // permission bits, when Close has put the data on the disk; until then, and for
    // good if anything fails, the old file stays as it was. Only where the folder
    // takes no new file, or refuses the rename, is a writable old file written in
    // place, and put back as it was if that fails.
    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    ULONGLONG GetLength() const;
    // Reads up to nCount bytes; fewer only at the end of the file.
    UINT Read(void* lpBuf, UINT nCount);
    // Writes all nCount bytes.
    void Write(const void* lpBuf, UINT nCount);
    // For a file made with modeCreate, this is when it replaces the old one.
    void Close();

    CString GetFilePath() const { return m_strFileName; }

private:
    int CreateReplacement(const std::string& path, UINT nOpenFlags, int& osError);
    [[noreturn]] void ThrowOsError(int osError) const;

    int m_fd = -1;
    std::unique_ptr<ReplacementFile> m_pReplacement;  // with modeCreate, until Close
    CString m_strFileName;
};
