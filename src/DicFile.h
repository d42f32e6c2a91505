// DicFile: reads a dictionary file line by line as UTF-16LE code units.
#pragma once

#include "afxwin.h"

#include <string_view>
#include <vector>

class DicFile {
public:
    DicFile();
    virtual ~DicFile();

    void SetFileName(CString fileName);
    BOOL OpenRead();
    // Reads the next line into `buffer`, which the caller has filled with zeros: its units
    // up to and including the LF, a CR right before the LF turned into a second LF. At
    // most capacity - 1 units are stored, so a terminating zero always remains; the rest
    // of a longer line is skipped up to its line end. Returns the number of units stored.
    // Throws CFileException* when the file cannot be read.
    int ReadLine(WCHAR* buffer, int capacity);
    // Before any line is read: the file's first block, read but not consumed, which tells a
    // dictionary from other files. Empty for an empty file.
    std::string_view PeekFirstBlock();
    ULONGLONG GetLength();
    BOOL IsEOF();
    BOOL Close();

    LONGLONG m_nPos = 0; // bytes consumed by reading since the file was opened
    CString m_strFileName;
    CFileException m_fileException;
    CFile m_file;

private:
    // Reads on when fewer than two bytes are left; FALSE when no whole unit is left.
    BOOL FillBuffer();

    // Reads go through this buffer: the file is read in blocks, not a unit at a time.
    std::vector<BYTE> m_buffer;
    size_t m_nBufferPos = 0; // always at an even file offset
    size_t m_nBufferEnd = 0;
    // The file's length as of the last block read; IsEOF compares with it, so that asking
    // for the end costs no system call per line.
    ULONGLONG m_nLength = 0;
};
