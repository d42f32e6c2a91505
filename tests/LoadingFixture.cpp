#include "LoadingFixture.h"

#include <QString>

std::u16string containsMessage(int count)
{
    return u"This dictionary contains " + std::u16string(QString::number(count).toStdU16String()) +
           u" words.";
}

std::u16string tooSmallMessage(int count)
{
    return u"Sorry. This dictionary is to small(" +
           std::u16string(QString::number(count).toStdU16String()) + u") to use.";
}
