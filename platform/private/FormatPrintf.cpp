#include "FormatPrintf.h"

#include <QLocale>

namespace {

// A number formatted with "%L" is set off by these while printf formats it in C's way.
constexpr QChar kLocalStart(0xE000);
constexpr QChar kLocalEnd(0xE001);

// The numbers set off for the locale take its decimal sign.
QString localised(QString text)
{
    const QString decimalPoint = QLocale().decimalPoint();
    for (qsizetype start = text.indexOf(kLocalStart); start >= 0;
         start = text.indexOf(kLocalStart, start)) {
        const qsizetype end = text.indexOf(kLocalEnd, start);
        QString number = text.mid(start + 1, end - start - 1);
        number.replace(u'.', decimalPoint);
        text.replace(start, end - start + 1, number);
        start += number.size();
    }
    return text;
}

} // namespace

QString formatPrintf(LPCWSTR format, va_list args)
{
    // Qt's printf takes UTF-16 strings as %ls; %s would mean UTF-8 there.
    const QString source = QString::fromUtf16(format);
    QString qtFormat;
    qtFormat.reserve(source.size() + 8);
    bool anyLocal = false;
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] != u'%') {
            qtFormat += source[i];
            continue;
        }
        qsizetype j = i + 1;
        // "%L5.2f", as Qt's own "%L1": the number in the interface's way, only where a
        // translation asks for it.
        const bool local = j < source.size() && source[j] == u'L';
        if (local) {
            anyLocal = true;
            qtFormat += kLocalStart;
            ++j;
        }
        qtFormat += u'%';
        while (j < source.size() && QStringView(u"-+ #0123456789.*").contains(source[j]))
            qtFormat += source[j++];
        if (j < source.size() && source[j] == u's')
            qtFormat += u'l';
        if (j < source.size())
            qtFormat += source[j];
        if (local)
            qtFormat += kLocalEnd;
        i = j;
    }
    const QString text = QString::vasprintf(qtFormat.toUtf8().constData(), args);
    return anyLocal ? localised(text) : text;
}
