// The paths of the files of one drop.
#pragma once

#include <QStringList>

struct DropFiles {
    QStringList paths;
};
