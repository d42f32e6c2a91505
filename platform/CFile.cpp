#include "CFile.h"

#include "private/QtConvert.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

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

} // namespace

CFile::CFile() = default;
CFile::~CFile() = default;

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* pError)
{
    Close();
    const QString path = QString::fromUtf16(fileName);
    auto file = std::make_unique<QFile>(path);
    // Only reading is offered; share modes do not exist on this platform.
    (void)openFlags;
    errno = 0;
    const bool isFolder = QFileInfo(path).isDir();
    if (isFolder || !file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (pError) {
            const int error = isFolder ? EISDIR : errno;
            pError->m_cause = causeFromErrno(error);
            pError->m_lOsError = error;
            pError->m_strFileName = fileName;
        }
        return FALSE;
    }
    m_pFile = std::move(file);
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count)
{
    errno = 0;
    const qint64 got = m_pFile->read(static_cast<char*>(buffer), count);
    if (got < 0) {
        const int error = errno;
        AfxThrowFileException(causeFromErrno(error), error, toCString(m_pFile->fileName()));
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
