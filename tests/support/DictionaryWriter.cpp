#include "DictionaryWriter.h"

#include <QFile>

std::string utf16le(const std::u16string& text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string DictionaryWriter::path(const std::string& name) const
{
    return m_dir.filePath(QString::fromStdString(name)).toStdString();
}

std::string DictionaryWriter::writeBytes(const std::string& name, const std::string& bytes)
{
    const std::string filePath = path(name);
    QFile file(QString::fromStdString(filePath));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        throw std::runtime_error("cannot write " + filePath);
    return filePath;
}

std::string DictionaryWriter::write(const std::string& name,
                                    const std::vector<std::u16string>& lines,
                                    const std::u16string& lineEnd, bool endLast)
{
    std::u16string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (endLast || i + 1 < lines.size())
            text += lineEnd;
    }
    return writeBytes(name, utf16le(text));
}

std::string DictionaryWriter::writeEntries(const std::string& name, int count)
{
    std::vector<std::u16string> lines;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        lines.emplace_back(u"word" + std::u16string(n.begin(), n.end()));
        lines.emplace_back(u"meaning " + std::u16string(n.begin(), n.end()));
    }
    return write(name, lines);
}

CString frameworkPath(const std::string& path)
{
    return CString(reinterpret_cast<LPCTSTR>(QString::fromStdString(path).utf16()));
}
