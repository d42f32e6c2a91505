// CFileException: the cause, operating-system error and file name of a failed file call.
#pragma once

#include "CString.h"

class CFileException {
public:
    enum Cause {
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

    explicit CFileException(int cause = none, LONG osError = -1, LPCTSTR fileName = nullptr);
    virtual ~CFileException() = default;

    // Exceptions are thrown as pointers, as in the framework; the catcher calls Delete.
    void Delete() { delete this; }

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

// Throws a CFileException allocated with new.
[[noreturn]] void AfxThrowFileException(int cause, LONG osError, LPCTSTR fileName);
