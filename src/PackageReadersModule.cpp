// The entry point of the module that holds the readers of decks and spreadsheets.
#include "ListLibrary.h"

extern "C" __attribute__((visibility("default"))) const ListReaders* ZantoliPackageReaders()
{
    static const ListReaders readers = {formats::readPackagedWordList,
                                        formats::readPackagedRecording,
                                        formats::readPackagedPicture};
    return &readers;
}
