// CFile: a binary file opened by name, read in blocks.
#pragma once

#include "CFileException.h"
#include "CString.h"

#include <memory>

class QFile;

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        shareDenyNone = 0x0040,
        typeBinary = 0x8000,
    };

    CFile();
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens an existing file for reading; on failure fills pError (if given) and returns
    // FALSE. Folders are refused like any file that cannot be read; nothing waits to open.
    virtual BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* pError = nullptr);
    // Returns the bytes read, 0 at the end of the file; throws CFileException* on error.
    virtual UINT Read(void* buffer, UINT count);
    virtual ULONGLONG GetLength() const;
    void SeekToBegin();
    virtual void Close();

    // The name the open file was opened by.
    CString m_strFileName;

private:
    std::unique_ptr<QFile> m_pFile;
};
