#include "FormatCode.h"

#include <cmath>

namespace formats {

namespace {

bool isDateLetter(QChar c)
{
    const QChar lower = c.toLower();
    return lower == u'y' || lower == u'm' || lower == u'd' || lower == u'h' || lower == u's';
}

// Whether `value` meets the condition that opens `section` ("[<1]", "[>=100]", "[=0]"),
// or nothing when the section has none.
std::optional<bool> meetsCondition(QStringView section, double value)
{
    for (qsizetype open = section.indexOf(u'['); open >= 0 && open + 1 < section.size();
         open = section.indexOf(u'[', open + 1)) {
        const qsizetype close = section.indexOf(u']', open);
        if (close < 0)
            return std::nullopt;
        const QStringView inside = section.sliced(open + 1, close - open - 1);
        const qsizetype operatorSize =
            inside.startsWith(u"<=") || inside.startsWith(u">=") || inside.startsWith(u"<>") ? 2
            : inside.startsWith(u'<') || inside.startsWith(u'>') || inside.startsWith(u'=')  ? 1
                                                                                             : 0;
        if (operatorSize == 0)
            continue;
        const QStringView op = inside.first(operatorSize);
        bool ok = false;
        const double limit = inside.sliced(operatorSize).toDouble(&ok);
        if (!ok)
            return std::nullopt;
        return op == u"<"    ? value < limit
               : op == u"<=" ? value <= limit
               : op == u">"  ? value > limit
               : op == u">=" ? value >= limit
               : op == u"<>" ? value != limit
                             : value == limit;
    }
    return std::nullopt;
}

} // namespace

std::optional<QStringView> formatSection(QStringView code, double& value)
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
    const std::optional<bool> first = meetsCondition(sections[0], value);
    const std::optional<bool> second =
        sections.size() > 1 ? meetsCondition(sections[1], value) : std::nullopt;
    if (first || second) {
        qsizetype chosen = 2;
        if (first.value_or(false) || (!first && !*second))
            chosen = 0;
        else if (sections.size() > 1 && second.value_or(true))
            chosen = 1;
        if (chosen >= sections.size())
            return std::nullopt;
        if (sections.size() > 1)
            value = std::fabs(value);
        return sections[chosen];
    }
    if (value < 0 && sections.size() > 1) {
        value = -value;
        return sections[1];
    }
    if (value == 0 && sections.size() > 2)
        return sections[2];
    return sections[0];
}

QList<FormatToken> formatTokens(QStringView section)
{
    QList<FormatToken> tokens;
    const auto literal = [&tokens](const QString& text) {
        if (!tokens.isEmpty() && tokens.back().kind == FormatToken::Literal)
            tokens.back().text += text;
        else
            tokens.append({FormatToken::Literal, text});
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
                tokens.append({FormatToken::DatePart, u'[' + inside.toString().toLower() + u']'});
            i = end < 0 ? section.size() : end;
        } else if (section.sliced(i).startsWith(u"AM/PM", Qt::CaseInsensitive)) {
            tokens.append({FormatToken::DatePart, QStringLiteral("AM/PM")});
            i += 4;
        } else if (section.sliced(i).startsWith(u"General", Qt::CaseInsensitive)) {
            tokens.append({FormatToken::NumberPart, QStringLiteral("General")});
            i += 6;
        } else if (isDateLetter(c)) {
            qsizetype end = i;
            while (end < section.size() && section[end].toLower() == c.toLower())
                ++end;
            tokens.append({FormatToken::DatePart, section.sliced(i, end - i).toString().toLower()});
            i = end - 1;
        } else if (c == u'.' && !tokens.isEmpty() && tokens.back().kind == FormatToken::DatePart &&
                   tokens.back().text.contains(u's') && i + 1 < section.size() &&
                   section[i + 1] == u'0') {
            qsizetype end = i + 1;
            while (end < section.size() && section[end] == u'0')
                ++end;
            tokens.append({FormatToken::DatePart, section.sliced(i, end - i).toString()});
            i = end - 1;
        } else if (c == u'0' || c == u'#' || c == u'?' || c == u'.' || c == u',' ||
                   ((c == u'E' || c == u'e') && i + 1 < section.size() &&
                    (section[i + 1] == u'+' || section[i + 1] == u'-'))) {
            if (c == u'E' || c == u'e') {
                tokens.append({FormatToken::NumberPart, QString(u'E') + section[i + 1]});
                ++i;
            } else {
                tokens.append({FormatToken::NumberPart, QString(c)});
            }
        } else if (c == u'%') {
            tokens.append({FormatToken::Percent, QStringLiteral("%")});
        } else if (c == u'/') {
            tokens.append({FormatToken::NumberPart, QStringLiteral("/")});
        } else if (c == u'@') {
            tokens.append({FormatToken::NumberPart, QStringLiteral("General")});
        } else {
            literal(c);
        }
    }
    return tokens;
}

} // namespace formats
