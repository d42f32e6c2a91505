// Playing a sound: PlaySound, of the handheld's multimedia library.
#pragma once

#include "wintypes.h"

constexpr DWORD SND_ASYNC = 0x0001;
constexpr DWORD SND_MEMORY = 0x0004;

// With SND_MEMORY | SND_ASYNC, starts playing the sound file image at `pszSound` and
// returns at once; what was playing or being spoken stops. A null `pszSound` stops the sound.
// Returns FALSE when there is no sound device or the player cannot be loaded. The original
// reads the size of a WAV image from its header; here the size is given, as the image may
// be mp3 or Ogg too.
BOOL PlaySound(const void* pszSound, DWORD cbSound, DWORD fdwSound);
