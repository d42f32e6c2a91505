#include "ModalSeam.h"

#include "private/QtModalSeam.h"

namespace {
ModalSeam* installedSeam = nullptr;
}

ModalSeam& ModalSeam::Current()
{
    static QtModalSeam qtSeam;
    if (installedSeam)
        return *installedSeam;
    return qtSeam;
}

ModalSeam* ModalSeam::Install(ModalSeam* seam)
{
    ModalSeam* previous = installedSeam;
    installedSeam = seam;
    return previous;
}
