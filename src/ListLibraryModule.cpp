// The entry point of the module that holds the readers of lists of text and the memory's
// store.
#include "ListLibrary.h"

extern "C" __attribute__((visibility("default"))) const ListLibrary* ZantoliListLibrary()
{
    static const ListLibrary library = {
        {formats::readWordList, formats::readRecording, formats::readPicture},
        progress::Memory::open,
        progress::Memory::newDeviceId,
    };
    return &library;
}
