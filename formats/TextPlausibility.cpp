#include "TextPlausibility.h"

#include <QSet>
#include <QString>
#include <algorithm>
#include <array>

namespace formats {

namespace {

// The letters beyond ASCII of the languages whose lists are saved in the code pages read
// here, in small letters; the first are the most common. Letters that only rarer
// languages use cost a little, so that a code page that reads them never wins a tie.
struct Alphabet {
    QStringView letters;
    bool rare = false;
};
constexpr std::array kAlphabets = {
    Alphabet{u"áéíóúüñ"},                                 // Spanish
    Alphabet{u"äöüß"},                                    // German
    Alphabet{u"àâæçéèêëîïôœùûüÿ"},                        // French
    Alphabet{u"áâãàçéêíóôõú"},                            // Portuguese
    Alphabet{u"àèéìíîòóù"},                               // Italian
    Alphabet{u"éëïóöü"},                                  // Dutch
    Alphabet{u"åäöæø"},                                   // Scandinavian
    Alphabet{u"ąćęłńóśźż"},                               // Polish
    Alphabet{u"áčďéěíňóřšťúůýž"},                         // Czech
    Alphabet{u"áäčďéíĺľňóôŕšťúýž"},                       // Slovak
    Alphabet{u"áéíóöőúüű"},                               // Hungarian
    Alphabet{u"ăâîșțşţ"},                                 // Romanian
    Alphabet{u"čćđšž"},                                   // Croatian, Slovenian
    Alphabet{u"çğıöşü"},                                  // Turkish
    Alphabet{u"абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},       // Russian
    Alphabet{u"абвгґдеєжзиіїйклмнопрстуфхцчшщьюя'"},      // Ukrainian
    Alphabet{u"абвгдежзийклмнопрстуфхцчшщъьюяђјљњћџѓќѕ"}, // Bulgarian, Serbian, Macedonian
    Alphabet{u"αβγδεζηθικλμνξοπρστυφχψωάέήίόύώϊϋΐΰς"},    // Greek
    Alphabet{u"áðéíóúýþæö", true},                        // Icelandic
    Alphabet{u"āčēģīķļņšūž", true},                       // Latvian
    Alphabet{u"ąčęėįšųūž", true},                         // Lithuanian
    Alphabet{u"äõöüšž", true},                            // Estonian
};

// Scripts whose letters are not told apart by an alphabet here: any of them is a word's.
bool isOwnAlphabet(QChar::Script script)
{
    switch (script) {
    case QChar::Script_Arabic:
    case QChar::Script_Hebrew:
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Thai:
        return true;
    default:
        return false;
    }
}

// Signs beyond ASCII that lists use between their words.
bool isCommonSign(QChar c)
{
    static constexpr QStringView signs = u"\u00A0–—‘’‚“”„«»‹›…•·°€£©®™¡¿§±×";
    return signs.contains(c);
}

// What the letters beyond ASCII cost: those of no alphabet, beyond the two that hold most of
// them (a list's two sides), and a little for a second or a rare alphabet.
int alphabetCost(const QSet<QChar>& letters)
{
    QSet<QChar> left = letters;
    int cost = 0;
    for (int side = 0; side < 2 && !left.isEmpty(); ++side) {
        const Alphabet* best = nullptr;
        qsizetype bestCovered = 0;
        for (const Alphabet& alphabet : kAlphabets) {
            const qsizetype covered = std::ranges::count_if(
                left, [&alphabet](QChar c) { return alphabet.letters.contains(c); });
            if (covered > bestCovered) {
                best = &alphabet;
                bestCovered = covered;
            }
        }
        if (!best)
            break;
        // A second alphabet is plausible (a list's two languages), but less so than one.
        cost += (best->rare ? 1 : 0) + side;
        left.removeIf([best](QChar c) { return best->letters.contains(c); });
    }
    return cost + 2 * static_cast<int>(left.size());
}

} // namespace

int textPlausibility(QStringView text)
{
    int cost = 0;
    QSet<QChar> letters;
    QSet<QChar> signs;
    // The word that runs: its last letter, and what its letters are.
    QChar previous;
    struct Word {
        int letters = 0;
        int ascii = 0;
        int small = 0;
        bool latin = true;
    } word;
    const auto endWord = [&] {
        // Words beyond ASCII in capitals alone are rare, and Latin words are written mostly
        // in ASCII's letters: a code page that reads another script's small letters gives both.
        if (word.letters >= 2 && word.ascii < word.letters && word.small == 0)
            cost += 1;
        if (word.letters >= 3 && word.ascii == 0 && word.latin)
            cost += 2;
        word = {};
        previous = QChar();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool beyondAscii = c.unicode() >= 0x80;
        if (c.isLetter()) {
            if (beyondAscii && !isOwnAlphabet(c.script()))
                letters.insert(c.toLower());
            if (!previous.isNull() && (beyondAscii || previous.unicode() >= 0x80)) {
                // One word, one script; a capital only at its start.
                if (c.script() != previous.script())
                    cost += 2;
                else if (c.isUpper() && previous.isLower())
                    cost += 1;
            }
            ++word.letters;
            word.ascii += beyondAscii ? 0 : 1;
            word.small += c.isLower() ? 1 : 0;
            word.latin = word.latin && c.script() == QChar::Script_Latin;
            previous = c;
            continue;
        }
        if (c.isMark())
            continue;
        const bool inWord = !previous.isNull() && i + 1 < text.size() && text[i + 1].isLetter();
        if (beyondAscii && !c.isSpace()) {
            // An apostrophe ("l’eau") and a middle dot ("il·lusió") stand within words.
            if (inWord && c != u'’' && c != u'·')
                cost += 2;
            else if (!isCommonSign(c))
                signs.insert(c);
        }
        endWord();
    }
    endWord();
    return -(cost + static_cast<int>(signs.size()) + alphabetCost(letters));
}

} // namespace formats
