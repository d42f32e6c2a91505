#include "runtime.h"

#include "private/FormatPrintf.h"

#include <QByteArray>
#include <QChar>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {
unsigned int randState = 1;
}

extern "C" int rand(void) noexcept
{
    randState = randState * 214013u + 2531011u;
    return static_cast<int>((randState >> 16) & 0x7FFF);
}

extern "C" void srand(unsigned int seed) noexcept
{
    randState = seed;
}

int iswspace(WCHAR ch)
{
    return QChar(ch).isSpace() ? 1 : 0;
}

int GetUserDefaultLocaleName(LPWSTR name, int capacity)
{
    const QString code = QLocale().name().replace(u'_', u'-');
    if (code.size() >= capacity)
        return 0;
    std::copy(code.utf16(), code.utf16() + code.size(), name);
    name[code.size()] = 0;
    return static_cast<int>(code.size()) + 1;
}

int WriteConsoleLine(LPCTSTR text, std::FILE* stream)
{
    const QByteArray line = QString::fromUtf16(text ? text : u"").toUtf8() + '\n';
    const auto size = static_cast<size_t>(line.size());
    return std::fwrite(line.constData(), 1, size, stream) == size ? 0 : EOF;
}

int wsprintfV(LPWSTR buffer, int capacity, LPCWSTR format, ...)
{
    if (capacity <= 0)
        return 0;
    va_list args;
    va_start(args, format);
    const QString text = formatPrintf(format, args);
    va_end(args);
    const int count = static_cast<int>(std::min<qsizetype>(text.size(), capacity - 1));
    std::memcpy(buffer, text.utf16(), sizeof(WCHAR) * static_cast<size_t>(count));
    buffer[count] = 0;
    return count;
}
