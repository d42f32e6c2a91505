#include "NumberFormat.h"

#include "FormatCode.h"

#include <QList>
#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

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

QString padded(long long number, int width)
{
    return QString::number(number).rightJustified(width, u'0');
}

QString dateText(double serial, const QList<FormatToken>& tokens, bool date1904)
{
    const bool twelveHours = std::any_of(tokens.begin(), tokens.end(),
                                         [](const FormatToken& t) { return t.text == u"AM/PM"; });
    // The time is rounded to the smallest part of a second shown, a thousandth at most.
    const auto fraction = std::find_if(tokens.begin(), tokens.end(), [](const FormatToken& t) {
        return t.kind == FormatToken::DatePart && t.text.startsWith(u'.');
    });
    const int fractionDigits =
        fraction == tokens.end()
            ? 0
            : static_cast<int>(std::min<qsizetype>(fraction->text.size() - 1, 3));
    long long perSecond = 1;
    for (int i = 0; i < fractionDigits; ++i)
        perSecond *= 10;
    const long long totalUnits =
        std::llround(serial * kSecondsPerDay * static_cast<double>(perSecond));
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
        if (tokens[i].kind != FormatToken::DatePart) {
            text += part;
            continue;
        }
        // "m" is the minute right after an hour or right before a second.
        const auto dateNeighbour = [&tokens](qsizetype from, int step) -> QString {
            for (qsizetype j = from + step; j >= 0 && j < tokens.size(); j += step) {
                if (tokens[j].kind == FormatToken::DatePart)
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

// Takes the commas that end `part` away, and divides `value` by a thousand for each:
// "#,##0," shows thousands.
void scaleByEndingCommas(QString& part, double& value)
{
    while (part.endsWith(u',')) {
        part.chop(1);
        value /= 1000;
    }
}

bool isPlaceholder(const FormatToken& token)
{
    return token.kind == FormatToken::NumberPart &&
           (token.text == u"#" || token.text == u"0" || token.text == u"?");
}

// `digits` in the room of `placeholders`: each '?' left unfilled is a space, on the side
// away from the slash.
QString inRoom(const QString& digits, const QString& placeholders, bool beforeSlash)
{
    const qsizetype room = placeholders.count(u'?');
    return beforeSlash ? digits.rightJustified(room, u' ') : digits.leftJustified(room, u' ');
}

// The fraction nearest to `x` whose denominator is at most `most`, from the continued
// fraction of `x`: the last convergent within `most`, or the step past it that still is.
std::pair<long long, long long> nearestFraction(double x, long long most)
{
    long long previousNumerator = 0;
    long long previousDenominator = 1;
    long long numerator = 1;
    long long denominator = 0;
    double remainder = x;
    for (int term = 0; term < 64; ++term) {
        const auto whole = static_cast<long long>(std::floor(remainder));
        if (denominator > 0 && whole > (most - previousDenominator) / denominator) {
            const long long steps = (most - previousDenominator) / denominator;
            const long long stepNumerator = steps * numerator + previousNumerator;
            const long long stepDenominator = steps * denominator + previousDenominator;
            const auto error = [x](long long n, long long d) {
                return std::fabs(x - static_cast<double>(n) / static_cast<double>(d));
            };
            if (error(stepNumerator, stepDenominator) < error(numerator, denominator))
                return {stepNumerator, stepDenominator};
            return {numerator, denominator};
        }
        previousNumerator = std::exchange(numerator, whole * numerator + previousNumerator);
        previousDenominator = std::exchange(denominator, whole * denominator + previousDenominator);
        if (remainder - static_cast<double>(whole) < 1e-12)
            break;
        remainder = 1 / (remainder - static_cast<double>(whole));
    }
    return {numerator, denominator};
}

// A fraction ("# ?/?", "?/8"): the whole number when the code shows one, and the rest as
// the nearest fraction whose denominator has at most as many digits as the code gives it,
// or the code's own denominator. Nothing when the code has no denominator.
std::optional<QString> fractionText(double value, const QList<FormatToken>& tokens, bool negative)
{
    const qsizetype slash = std::find_if(tokens.begin(), tokens.end(),
                                         [](const FormatToken& t) { return t.text == u"/"; }) -
                            tokens.begin();
    qsizetype numeratorFrom = slash;
    while (numeratorFrom > 0 && isPlaceholder(tokens[numeratorFrom - 1]))
        --numeratorFrom;
    qsizetype denominatorTo = slash + 1;
    QString numeratorCode;
    QString denominatorCode;
    for (qsizetype i = numeratorFrom; i < slash; ++i)
        numeratorCode += tokens[i].text;
    while (denominatorTo < tokens.size() &&
           (isPlaceholder(tokens[denominatorTo]) ||
            (tokens[denominatorTo].kind == FormatToken::Literal &&
             std::all_of(tokens[denominatorTo].text.begin(), tokens[denominatorTo].text.end(),
                         [](QChar c) { return c.isDigit(); }))))
        denominatorCode += tokens[denominatorTo++].text;
    const bool whole = std::any_of(tokens.begin(), tokens.begin() + numeratorFrom, isPlaceholder);
    const bool grouping = std::any_of(tokens.begin(), tokens.begin() + numeratorFrom,
                                      [](const FormatToken& t) { return t.text == u","; });
    if (numeratorCode.isEmpty() || denominatorCode.isEmpty())
        return std::nullopt;

    double integral = whole ? std::floor(value) : 0;
    const double rest = value - integral;
    bool fixedDenominator = false;
    const long long ownDenominator = denominatorCode.toLongLong(&fixedDenominator);
    const long long most = fixedDenominator && ownDenominator > 0
                               ? ownDenominator
                               : static_cast<long long>(std::pow(
                                     10.0, std::min<qsizetype>(denominatorCode.size(), 9))) -
                                     1;
    // A numerator past the 15 digits that spreadsheets keep shows as General.
    if (rest * static_cast<double>(most) >= 1e15)
        return std::nullopt;
    long long numerator = 0;
    long long denominator = most;
    if (fixedDenominator && ownDenominator > 0)
        numerator = std::llround(rest * static_cast<double>(denominator));
    else
        std::tie(numerator, denominator) = nearestFraction(rest, most);
    if (whole && numerator == denominator) {
        ++integral;
        numerator = 0;
    }
    const bool shown = numerator != 0 || !whole;

    QString text = negative && (integral != 0 || numerator != 0) ? QStringLiteral("-") : QString();
    bool integralPlaced = false;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const FormatToken& token = tokens[i];
        if (i >= numeratorFrom && i < denominatorTo) {
            if (i == numeratorFrom || i == slash + 1) {
                const bool before = i == numeratorFrom;
                const QString& code = before ? numeratorCode : denominatorCode;
                const QString digits = !shown   ? QString()
                                       : before ? QString::number(numerator)
                                                : QString::number(denominator);
                text += shown ? inRoom(digits, code, before) : QString(code.size(), u' ');
            } else if (i == slash) {
                text += shown ? u'/' : u' ';
            }
        } else if (isPlaceholder(token)) {
            // "#" shows no whole number of 0 beside a fraction; "0" does.
            if (!integralPlaced && (integral != 0 || !shown || token.text == u"0"))
                text += grouping ? grouped(fixed(integral, 0)) : fixed(integral, 0);
            integralPlaced = true;
        } else if (token.kind != FormatToken::NumberPart) {
            text += token.text;
        }
    }
    return text;
}

// The value through the placeholders of `tokens`, or nothing when they show it as General.
std::optional<QString> numberText(double value, const QList<FormatToken>& tokens,
                                  bool negativeSection)
{
    QString pattern;
    for (const FormatToken& token : tokens) {
        if (token.kind == FormatToken::NumberPart)
            pattern += token.text;
    }
    // However many percent signs it shows, the value is scaled once.
    if (std::any_of(tokens.begin(), tokens.end(),
                    [](const FormatToken& t) { return t.kind == FormatToken::Percent; }))
        value *= 100;
    if (pattern.contains(u"General"))
        return std::nullopt;
    const bool negativeValue = value < 0 && !negativeSection;
    value = std::fabs(value);
    if (pattern.contains(u'/'))
        return fractionText(value, tokens, negativeValue);
    const qsizetype exponentAt = pattern.indexOf(u'E');
    const QString mantissa = exponentAt < 0 ? pattern : pattern.left(exponentAt);
    const qsizetype point = mantissa.indexOf(u'.');
    QString integerPart = point < 0 ? mantissa : mantissa.left(point);
    QString decimalPart = point < 0 ? QString() : mantissa.sliced(point + 1);
    scaleByEndingCommas(integerPart, value);
    scaleByEndingCommas(decimalPart, value);
    const int maxDecimals = static_cast<int>(decimalPart.count(u'0') + decimalPart.count(u'#') +
                                             decimalPart.count(u'?'));
    const int minDecimals = static_cast<int>(decimalPart.count(u'0'));
    const int minDigits = static_cast<int>(integerPart.count(u'0'));
    // The exponent is a multiple of the mantissa's whole digits: "##0.0E+0" shows 12345 as
    // "12.3E+3".
    const int exponentStep =
        std::max(1, static_cast<int>(integerPart.size() - integerPart.count(u',')));
    int exponent = 0;
    if (exponentAt >= 0 && value != 0) {
        exponent = static_cast<int>(std::floor(std::log10(value) / exponentStep)) * exponentStep;
        value /= std::pow(10.0, exponent);
    }
    QString rounded = fixed(value, maxDecimals);
    // Rounding may carry the mantissa into one more digit: 9.996 as "0.00E+00".
    const qsizetype roundedPoint = rounded.indexOf(u'.');
    if (exponentAt >= 0 && (roundedPoint < 0 ? rounded.size() : roundedPoint) > exponentStep) {
        exponent += exponentStep;
        rounded = fixed(value / std::pow(10.0, exponentStep), maxDecimals);
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
    for (const FormatToken& token : tokens) {
        if (token.kind != FormatToken::NumberPart)
            text += token.text;
        else if (!placed)
            text += number;
        placed = placed || token.kind == FormatToken::NumberPart;
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
                 {12, u"# ?/?"},
                 {13, u"# ?\?/??"},
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
    const double original = value;
    const std::optional<QStringView> section = formatSection(formatCode, value);
    if (!section)
        return generalNumber(original);
    const QList<FormatToken> tokens = formatTokens(*section);
    const bool date = std::any_of(tokens.begin(), tokens.end(), [](const FormatToken& t) {
        return t.kind == FormatToken::DatePart;
    });
    // Dates before the first day, or far past any calendar's end, show as numbers.
    if (date && original >= 0 && original < 2958466)
        return dateText(original, tokens, date1904);
    if (date || formatCode.isEmpty())
        return generalNumber(original);
    return numberText(value, tokens, value != original).value_or(generalNumber(original));
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
