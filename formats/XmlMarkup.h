// The guard that every XML reader passes a document through before parsing it.
#pragma once

#include <QByteArray>

namespace formats {

// Whether a document holds so many tags and attributes that parsing it would fill memory:
// the parser keeps a node for each, many times the bytes they take.
bool hasFarTooMuchMarkup(const QByteArray& xml);

} // namespace formats
