#include "CFileException.h"

#include <cerrno>

int CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EILSEQ:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return accessDenied;
    case EBUSY:
    case ETXTBSY:
    case ENXIO:
        return sharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    case EIO:
        return hardIO;
    default:
        return genericException;
    }
}

CString CFileException::GetErrorMessage() const
{
    LPCTSTR pattern;
    switch (m_cause) {
    case fileNotFound:
        pattern = "未找到 %s。";
        break;
    case badPath:
        pattern = "%s 的路径无效。";
        break;
    case tooManyOpenFiles:
        pattern = "打开的文件过多，无法打开 %s。";
        break;
    case accessDenied:
        pattern = "拒绝访问 %s。";
        break;
    case invalidFile:
        pattern = "%s 不是一个普通文件。";
        break;
    case sharingViolation:
        pattern = "%s 正被其他程序使用。";
        break;
    case diskFull:
        pattern = "磁盘已满，无法写入 %s。";
        break;
    case hardIO:
        pattern = "访问 %s 时发生硬件 I/O 错误。";
        break;
    case endOfFile:
        pattern = "访问 %s 时意外到达文件末尾。";
        break;
    default:
        pattern = "访问 %s 时发生错误。";
        break;
    }
    CString message;
    message.Format(pattern, static_cast<LPCTSTR>(m_strFileName));
    return message;
}
