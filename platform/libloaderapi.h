// Opening a module of the program's own and finding its entry points: LoadLibrary and
// GetProcAddress, of the handheld's system library.
#pragma once

#include "wintypes.h"

struct LoadedModule;
using HMODULE = LoadedModule*;
using FARPROC = void (*)();

// Opens the module file `lpLibFileName` ("name.so") from the program's folders: beside the
// program (the build), one folder up (the tests) and the application's plugin folder.
// Returns null when it is in none of them or cannot be opened. A module stays open until the
// program ends, so what it made may live as long. Safe to call from any thread.
HMODULE LoadLibraryA(const char* lpLibFileName);

// The entry point `lpProcName` of the module, or null.
FARPROC GetProcAddress(HMODULE hModule, const char* lpProcName);
