// The languages in which a deck's card templates read its fields aloud: {{tts it_IT:Front}}
// speaks the field Front in Italian. The deck's first field is the word, its second the
// meaning.
#pragma once

#include <QByteArray>
#include <string>

namespace SQLite {
class Database;
}

namespace formats {

struct DeckLanguages {
    // Codes, empty where no template names one.
    std::string word;
    std::string meaning;
};

// Schema 11 keeps the note types, templates included, as JSON in `legacyModels`; later
// schemas keep them in the fields and templates tables.
DeckLanguages ttsLanguages(SQLite::Database& db, int version, const QByteArray& legacyModels);

} // namespace formats
