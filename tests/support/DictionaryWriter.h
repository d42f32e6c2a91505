// Writes dictionary files for tests into a temporary folder.
#pragma once

#include <QTemporaryDir>
#include <string>
#include <vector>

class DictionaryWriter {
public:
    // Lines joined by `lineEnd` (and ended by it when `endLast`), as UTF-16LE.
    std::string write(const std::string& name, const std::vector<std::u16string>& lines,
                      const std::u16string& lineEnd = u"\r\n", bool endLast = true);
    std::string writeBytes(const std::string& name, const std::string& bytes);
    // A list of `count` entries "word<i>" / "meaning <i>".
    std::string writeEntries(const std::string& name, int count);
    std::string path(const std::string& name) const;

private:
    QTemporaryDir m_dir;
};

// The UTF-16LE bytes of `text`.
std::string utf16le(const std::u16string& text);

#include "CString.h"

// A path as the framework takes it.
CString frameworkPath(const std::string& path);
