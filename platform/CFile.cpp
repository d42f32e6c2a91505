#include "CFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int causeFromErrno(int error)
{
    switch (error) {
    case ENOENT:
        return CFileException::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
        return CFileException::badPath;
    case EACCES:
    case EPERM:
    case EISDIR:
        return CFileException::accessDenied;
    case EMFILE:
    case ENFILE:
        return CFileException::tooManyOpenFiles;
    case EIO:
        return CFileException::hardIO;
    default:
        return CFileException::genericException;
    }
}

// Opens `path` for reading, or returns -1 with errno set. Opening a named pipe would wait
// for a writer, and reading it or a terminal for their bytes: the name is opened without
// waiting, and only a file's reads wait as usual. What is no file is read for what it
// holds, which is no word list.
int openFileToRead(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    int error = ::fstat(fd, &info) != 0 ? errno : 0;
    if (error == 0 && S_ISDIR(info.st_mode))
        error = EISDIR;
    if (error == 0 && S_ISREG(info.st_mode) && ::fcntl(fd, F_SETFL, 0) != 0)
        error = errno;
    if (error == 0)
        return fd;
    ::close(fd);
    errno = error;
    return -1;
}

} // namespace

CFile::CFile() = default;
CFile::~CFile() = default;

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* pError)
{
    Close();
    const QString path = QString::fromUtf16(fileName);
    // Only reading is offered; share modes do not exist on this platform.
    (void)openFlags;
    const int fd = openFileToRead(path);
    auto file = std::make_unique<QFile>(path);
    if (fd < 0 || !file->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered,
                              QFileDevice::AutoCloseHandle)) {
        const int error = fd < 0 ? errno : EIO;
        if (fd >= 0)
            ::close(fd);
        if (pError) {
            pError->m_cause = causeFromErrno(error);
            pError->m_lOsError = error;
            pError->m_strFileName = fileName;
        }
        return FALSE;
    }
    m_pFile = std::move(file);
    m_strFileName = fileName;
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count)
{
    errno = 0;
    const qint64 got = m_pFile->read(static_cast<char*>(buffer), count);
    if (got < 0) {
        const int error = errno;
        AfxThrowFileException(causeFromErrno(error), error, m_strFileName);
    }
    return static_cast<UINT>(got);
}

ULONGLONG CFile::GetLength() const
{
    return static_cast<ULONGLONG>(m_pFile->size());
}

void CFile::SeekToBegin()
{
    m_pFile->seek(0);
}

void CFile::Close()
{
    m_pFile.reset();
}
