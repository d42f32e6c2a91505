#include "NumberFormat.h"

#include <QList>
#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <string>
#include <string_view>

namespace formats {

namespace {

// The serial day number of 1970-01-01 in the 1900 date system, and the days by which the
// 1904 system counts from later.
constexpr int kUnixEpochSerial = 25569;
constexpr int k1904Offset = 1462;
constexpr int kSecondsPerDay = 86400;

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

// A piece of a format code: text shown as written, a run of one date or time letter
// ("yyyy", "mm", "[h]", "AM/PM", ".00" for hundredths of a second), a digit placeholder or
// mark of the number, or a percent sign that scales it (a quoted or escaped one does not).
struct Token {
    enum Kind { Literal, DatePart, NumberPart, Percent } kind;
    QString text;
};

bool isDateLetter(QChar c)
{
    const QChar lower = c.toLower();
    return lower == u'y' || lower == u'm' || lower == u'd' || lower == u'h' || lower == u's';
}

// The section of the code for the value's sign: "positive;negative;zero;text".
QStringView sectionFor(QStringView code, double& value)
{
    QList<QStringView> sections;
    qsizetype start = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        if (code[i] == u'"')
            quoted = !quoted;
        else if (code[i] == u'\\')
            ++i;
        else if (!quoted && code[i] == u';') {
            sections.append(code.sliced(start, i - start));
            start = i + 1;
        }
    }
    sections.append(code.sliced(start));
    if (value < 0 && sections.size() > 1) {
        value = -value;
        return sections[1];
    }
    if (value == 0 && sections.size() > 2)
        return sections[2];
    return sections[0];
}

QList<Token> tokenize(QStringView section)
{
    QList<Token> tokens;
    const auto literal = [&tokens](const QString& text) {
        if (!tokens.isEmpty() && tokens.back().kind == Token::Literal)
            tokens.back().text += text;
        else
            tokens.append({Token::Literal, text});
    };
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (c == u'"') {
            const qsizetype end = section.indexOf(u'"', i + 1);
            literal(section.sliced(i + 1, (end < 0 ? section.size() : end) - i - 1).toString());
            i = end < 0 ? section.size() : end;
        } else if (c == u'\\' && i + 1 < section.size()) {
            literal(section[++i]);
        } else if (c == u'_' && i + 1 < section.size()) {
            // The width of the next character, kept free: a space.
            literal(QStringLiteral(" "));
            ++i;
        } else if (c == u'*' && i + 1 < section.size()) {
            // The next character repeated to fill the column.
            ++i;
        } else if (c == u'[') {
            const qsizetype end = section.indexOf(u']', i);
            const QStringView inside =
                section.sliced(i + 1, (end < 0 ? section.size() : end) - i - 1);
            // A currency's symbol and locale ("[$€-407]"), an elapsed time ("[h]"); a colour
            // or a condition shows nothing.
            if (inside.startsWith(u'$'))
                literal(
                    inside.sliced(1)
                        .left(inside.indexOf(u'-') < 0 ? inside.size() : inside.indexOf(u'-') - 1)
                        .toString());
            else if (!inside.isEmpty() && isDateLetter(inside[0]) &&
                     inside.count(inside[0]) == inside.size())
                tokens.append({Token::DatePart, u'[' + inside.toString().toLower() + u']'});
            i = end < 0 ? section.size() : end;
        } else if (section.sliced(i).startsWith(u"AM/PM", Qt::CaseInsensitive)) {
            tokens.append({Token::DatePart, QStringLiteral("AM/PM")});
            i += 4;
        } else if (section.sliced(i).startsWith(u"General", Qt::CaseInsensitive)) {
            tokens.append({Token::NumberPart, QStringLiteral("General")});
            i += 6;
        } else if (isDateLetter(c)) {
            qsizetype end = i;
            while (end < section.size() && section[end].toLower() == c.toLower())
                ++end;
            tokens.append({Token::DatePart, section.sliced(i, end - i).toString().toLower()});
            i = end - 1;
        } else if (c == u'.' && !tokens.isEmpty() && tokens.back().kind == Token::DatePart &&
                   tokens.back().text.contains(u's') && i + 1 < section.size() &&
                   section[i + 1] == u'0') {
            qsizetype end = i + 1;
            while (end < section.size() && section[end] == u'0')
                ++end;
            tokens.append({Token::DatePart, section.sliced(i, end - i).toString()});
            i = end - 1;
        } else if (c == u'0' || c == u'#' || c == u'?' || c == u'.' || c == u',' ||
                   ((c == u'E' || c == u'e') && i + 1 < section.size() &&
                    (section[i + 1] == u'+' || section[i + 1] == u'-'))) {
            if (c == u'E' || c == u'e') {
                tokens.append({Token::NumberPart, QString(u'E') + section[i + 1]});
                ++i;
            } else {
                tokens.append({Token::NumberPart, QString(c)});
            }
        } else if (c == u'%') {
            tokens.append({Token::Percent, QStringLiteral("%")});
        } else if (c == u'/') {
            tokens.append({Token::NumberPart, QStringLiteral("/")});
        } else if (c == u'@') {
            tokens.append({Token::NumberPart, QStringLiteral("General")});
        } else {
            literal(c);
        }
    }
    return tokens;
}

QString padded(long long number, int width)
{
    return QString::number(number).rightJustified(width, u'0');
}

QString dateText(double serial, const QList<Token>& tokens, bool date1904)
{
    const bool twelveHours = std::any_of(tokens.begin(), tokens.end(),
                                         [](const Token& t) { return t.text == u"AM/PM"; });
    // The time is rounded to the smallest part of a second shown, a thousandth at most.
    const auto fraction = std::find_if(tokens.begin(), tokens.end(), [](const Token& t) {
        return t.kind == Token::DatePart && t.text.startsWith(u'.');
    });
    const int fractionDigits =
        fraction == tokens.end()
            ? 0
            : static_cast<int>(std::min<qsizetype>(fraction->text.size() - 1, 3));
    long long perSecond = 1;
    for (int i = 0; i < fractionDigits; ++i)
        perSecond *= 10;
    const long long totalUnits = std::llround(serial * kSecondsPerDay * perSecond);
    // Elapsed times count from the value itself, whatever day it falls on.
    const long long totalSeconds = totalUnits / perSecond;
    const long long secondOfDay = totalSeconds % kSecondsPerDay;
    const long long serialDay = totalSeconds / kSecondsPerDay + (date1904 ? k1904Offset : 0);
    // The 1900 system counts a 29 February 1900 that never was, and a day 0 of January,
    // and spreadsheets show both.
    const long long days = serialDay < 60 ? serialDay + 1 : serialDay;
    const std::chrono::sys_days day{std::chrono::days{days - kUnixEpochSerial}};
    const std::chrono::year_month_day date{day};
    int year = static_cast<int>(date.year());
    unsigned month = static_cast<unsigned>(date.month());
    unsigned dayOfMonth = static_cast<unsigned>(date.day());
    unsigned weekday = std::chrono::weekday(day).c_encoding();
    if (serialDay == 0 || serialDay == 60) {
        year = 1900;
        month = serialDay == 0 ? 1 : 2;
        dayOfMonth = serialDay == 0 ? 0 : 29;
        weekday = serialDay == 0 ? 6 : 3;
    }
    const long long hour = secondOfDay / 3600;
    const long long minute = secondOfDay / 60 % 60;
    const long long second = secondOfDay % 60;

    QString text;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString& part = tokens[i].text;
        if (tokens[i].kind != Token::DatePart) {
            text += part;
            continue;
        }
        // "m" is the minute right after an hour or right before a second.
        const auto dateNeighbour = [&tokens](qsizetype from, int step) -> QString {
            for (qsizetype j = from + step; j >= 0 && j < tokens.size(); j += step) {
                if (tokens[j].kind == Token::DatePart)
                    return tokens[j].text;
            }
            return {};
        };
        const QChar letter = part.back() == u']' ? part[1] : part[0];
        if (part.startsWith(u'[')) {
            const long long elapsed = letter == u'h'   ? totalSeconds / 3600
                                      : letter == u'm' ? totalSeconds / 60
                                                       : totalSeconds;
            text += padded(elapsed, static_cast<int>(part.size()) - 2);
        } else if (letter == u'.') {
            text += u'.' + padded(totalUnits % perSecond, fractionDigits);
        } else if (part == u"AM/PM") {
            text += hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
        } else if (letter == u'y') {
            text += part.size() > 2 ? padded(year, 4) : padded(year % 100, 2);
        } else if (letter == u'm' && (dateNeighbour(i, -1).startsWith(u'h') ||
                                      dateNeighbour(i, -1).startsWith(u"[h") ||
                                      dateNeighbour(i, 1).startsWith(u's'))) {
            text += padded(minute, part.size() > 1 ? 2 : 1);
        } else if (letter == u'm') {
            const QString name = QString::fromLatin1(kMonths[month - 1]);
            text += part.size() == 1   ? QString::number(month)
                    : part.size() == 2 ? padded(month, 2)
                    : part.size() == 3 ? name.left(3)
                    : part.size() == 5 ? name.left(1)
                                       : name;
        } else if (letter == u'd') {
            const QString name = QString::fromLatin1(kWeekdays[weekday]);
            text += part.size() <= 2   ? padded(dayOfMonth, static_cast<int>(part.size()))
                    : part.size() == 3 ? name.left(3)
                                       : name;
        } else if (letter == u'h') {
            const long long shown = twelveHours ? (hour + 11) % 12 + 1 : hour;
            text += padded(shown, part.size() > 1 ? 2 : 1);
        } else if (letter == u's') {
            text += padded(second, part.size() > 1 ? 2 : 1);
        }
    }
    return text;
}

// The value as the 15 significant digits that spreadsheets keep of it.
double significant(double value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    double kept = value;
    std::from_chars(buffer, result.ptr, kept);
    return kept;
}

// The value with `decimals` decimals, whatever the locale's decimal mark. As spreadsheets
// round, a tie goes away from zero, and the value counts as its 15 significant digits:
// 0.125 shows as 0.13, 1.005 as 1.01, and the digits past the 15th show as zeros.
QString fixed(double value, int decimals)
{
    decimals = std::min(decimals, 30);
    const double scaled = significant(significant(value) * std::pow(10.0, decimals));
    if (std::fabs(scaled) < 1e15)
        value = std::round(scaled) / std::pow(10.0, decimals);
    // "d.dddddddddddddde+x": the digit at `k` stands for 10 to the power exponent - k.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string_view kept(buffer, result.ptr - buffer);
    const std::string digits = std::string(kept.substr(0, 1)).append(kept.substr(2, 14));
    int exponent = 0;
    std::from_chars(kept.data() + 18, kept.data() + kept.size(), exponent);
    if (kept[17] == '-')
        exponent = -exponent;
    const auto digitFor = [&](int power) {
        const int k = exponent - power;
        return k >= 0 && k < static_cast<int>(digits.size()) ? QChar(digits[k]) : QChar(u'0');
    };
    QString text = value < 0 ? QStringLiteral("-") : QString();
    for (int power = std::max(exponent, 0); power >= 0; --power)
        text += digitFor(power);
    if (decimals > 0)
        text += u'.';
    for (int power = -1; power >= -decimals; --power)
        text += digitFor(power);
    return text;
}

// Inserts a thousands separator between each group of three digits.
QString grouped(const QString& digits)
{
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += u',';
        text += digits[i];
    }
    return text;
}

// Whether the placeholders of `pattern` are of the kinds shown here. Fractions ("# ?/?"),
// commas that scale by thousands ("#,##0,") and engineering notation ("##0.0E+0") are
// not: their values show as General rather than as wrong text.
bool isRendered(QStringView pattern)
{
    const qsizetype exponentAt = pattern.indexOf(u'E');
    const QStringView mantissa = exponentAt < 0 ? pattern : pattern.first(exponentAt);
    const qsizetype point = mantissa.indexOf(u'.');
    const QStringView integerPart = point < 0 ? mantissa : mantissa.first(point);
    const QStringView decimalPart = point < 0 ? QStringView() : mantissa.sliced(point + 1);
    return !pattern.contains(u'/') && !integerPart.endsWith(u',') && !decimalPart.contains(u',') &&
           (exponentAt < 0 || integerPart.size() == 1);
}

QString numberText(double value, const QList<Token>& tokens, bool negativeSection)
{
    QString pattern;
    for (const Token& token : tokens) {
        if (token.kind == Token::NumberPart)
            pattern += token.text;
    }
    // However many percent signs it shows, the value is scaled once.
    if (std::any_of(tokens.begin(), tokens.end(),
                    [](const Token& t) { return t.kind == Token::Percent; }))
        value *= 100;
    if (pattern.contains(u"General") || !isRendered(pattern))
        return generalNumber(value);
    const bool negativeValue = value < 0 && !negativeSection;
    value = std::fabs(value);
    const qsizetype exponentAt = pattern.indexOf(u'E');
    const QString mantissa = exponentAt < 0 ? pattern : pattern.left(exponentAt);
    const qsizetype point = mantissa.indexOf(u'.');
    const QString integerPart = point < 0 ? mantissa : mantissa.left(point);
    const QString decimalPart = point < 0 ? QString() : mantissa.sliced(point + 1);
    const int maxDecimals = static_cast<int>(decimalPart.count(u'0') + decimalPart.count(u'#') +
                                             decimalPart.count(u'?'));
    const int minDecimals = static_cast<int>(decimalPart.count(u'0'));
    const int minDigits = static_cast<int>(integerPart.count(u'0'));
    int exponent = 0;
    if (exponentAt >= 0 && value != 0) {
        exponent = static_cast<int>(std::floor(std::log10(value)));
        value /= std::pow(10.0, exponent);
    }
    QString rounded = fixed(value, maxDecimals);
    // Rounding may carry into a tenth digit of the mantissa: 9.996 as "0.00E+00".
    if (exponentAt >= 0 && rounded.startsWith(QStringLiteral("10"))) {
        ++exponent;
        rounded = fixed(value / 10, maxDecimals);
    }
    const qsizetype dot = rounded.indexOf(u'.');
    QString digits = dot < 0 ? rounded : rounded.left(dot);
    QString decimals = dot < 0 ? QString() : rounded.sliced(dot + 1);
    while (decimals.size() > minDecimals && decimals.endsWith(u'0'))
        decimals.chop(1);
    if (digits == u"0" && minDigits == 0)
        digits.clear();
    digits = digits.rightJustified(minDigits, u'0');
    if (integerPart.contains(u','))
        digits = grouped(digits);
    QString number = digits;
    // A point with no decimal shown is left out: 5 as "#.##" shows as "5".
    if (!decimals.isEmpty())
        number += u'.' + decimals;
    if (exponentAt >= 0) {
        number += u'E';
        if (exponent < 0)
            number += u'-';
        else if (pattern[exponentAt + 1] == u'+')
            number += u'+';
        number += padded(std::abs(exponent),
                         static_cast<int>(pattern.sliced(exponentAt + 2).count(u'0')));
    }
    // A value that rounds to zero shows no sign: -0.4 as "0" shows as "0".
    const bool negative = negativeValue && std::any_of(number.begin(), number.end(), [](QChar c) {
                              return c.isDigit() && c != u'0';
                          });
    // The number stands where its first placeholder stands, among the code's text.
    QString text = negative ? QStringLiteral("-") : QString();
    bool placed = false;
    for (const Token& token : tokens) {
        if (token.kind != Token::NumberPart)
            text += token.text;
        else if (!placed)
            text += number;
        placed = placed || token.kind == Token::NumberPart;
    }
    return text;
}

} // namespace

QStringView builtInFormatCode(int id)
{
    static const struct {
        int id = 0;
        QStringView code;
    } codes[] = {{1, u"0"},
                 {2, u"0.00"},
                 {3, u"#,##0"},
                 {4, u"#,##0.00"},
                 {9, u"0%"},
                 {10, u"0.00%"},
                 {11, u"0.00E+00"},
                 {14, u"yyyy-mm-dd"},
                 {15, u"d-mmm-yy"},
                 {16, u"d-mmm"},
                 {17, u"mmm-yy"},
                 {18, u"h:mm AM/PM"},
                 {19, u"h:mm:ss AM/PM"},
                 {20, u"h:mm"},
                 {21, u"h:mm:ss"},
                 {22, u"yyyy-mm-dd h:mm"},
                 {37, u"#,##0 ;(#,##0)"},
                 {38, u"#,##0 ;(#,##0)"},
                 {39, u"#,##0.00;(#,##0.00)"},
                 {40, u"#,##0.00;(#,##0.00)"},
                 {45, u"mm:ss"},
                 {46, u"[h]:mm:ss"},
                 {47, u"mm:ss.0"},
                 {48, u"##0.0E+0"},
                 {49, u"@"}};
    for (const auto& code : codes) {
        if (code.id == id)
            return code.code;
    }
    return {};
}

QString formattedNumber(double value, QStringView formatCode, bool date1904)
{
    if (!std::isfinite(value))
        return {};
    // A section chosen by a condition ("[<1]") is not told here: the value shows as General.
    if (formatCode.contains(u"[<") || formatCode.contains(u"[>") || formatCode.contains(u"[="))
        return generalNumber(value);
    const double original = value;
    const QStringView section = sectionFor(formatCode, value);
    const QList<Token> tokens = tokenize(section);
    const bool date = std::any_of(tokens.begin(), tokens.end(),
                                  [](const Token& t) { return t.kind == Token::DatePart; });
    // Dates before the first day, or far past any calendar's end, show as numbers.
    if (date && original >= 0 && original < 2958466)
        return dateText(original, tokens, date1904);
    if (date || formatCode.isEmpty())
        return generalNumber(original);
    return numberText(value, tokens, value != original);
}

QString generalNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return QString::fromLatin1(buffer, result.ptr - buffer).toUpper();
}

} // namespace formats
