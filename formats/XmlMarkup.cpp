#include "XmlMarkup.h"

#include <algorithm>

namespace formats {

namespace {

// A list of 5200 richly marked-up entries has a tenth of this many tags and attributes,
// and a document of fewer bytes cannot have more.
constexpr qsizetype kMaxMarkup = 2'000'000;

} // namespace

bool hasFarTooMuchMarkup(const QByteArray& xml)
{
    return xml.size() > kMaxMarkup &&
           std::count(xml.cbegin(), xml.cend(), '<') + std::count(xml.cbegin(), xml.cend(), '=') >
               kMaxMarkup;
}

} // namespace formats
