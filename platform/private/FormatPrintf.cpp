#include "FormatPrintf.h"

QString formatPrintf(LPCWSTR format, va_list args)
{
    // Qt's printf takes UTF-16 strings as %ls; %s would mean UTF-8 there.
    const QString source = QString::fromUtf16(format);
    QString qtFormat;
    qtFormat.reserve(source.size() + 8);
    for (qsizetype i = 0; i < source.size(); ++i) {
        qtFormat += source[i];
        if (source[i] != u'%')
            continue;
        qsizetype j = i + 1;
        while (j < source.size() && QStringView(u"-+ #0123456789.*").contains(source[j]))
            qtFormat += source[j++];
        if (j < source.size() && source[j] == u's')
            qtFormat += u'l';
        if (j < source.size())
            qtFormat += source[j];
        i = j;
    }
    return QString::vasprintf(qtFormat.toUtf8().constData(), args);
}
