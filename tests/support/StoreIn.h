// The memory's store of a device in a data folder of the test's own, as a machine of that
// device opens it: the data folder stands for the machine.
#pragma once

#include "Progress.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>
#include <string>

inline std::unique_ptr<progress::Memory> openStoreIn(const QString& dataFolder,
                                                     const std::u16string& device)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataFolder));
    std::u16string message;
    auto memory = progress::Memory::open(device, true, message);
    qputenv("XDG_DATA_HOME", saved);
    return memory;
}
