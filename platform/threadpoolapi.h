// Work done aside: QueueUserWorkItem, of the handheld's system library.
#pragma once

#include "wintypes.h"

using LPVOID = void*;
using ULONG = std::uint32_t;
using LPTHREAD_START_ROUTINE = DWORD (*)(LPVOID lpThreadParameter);

constexpr ULONG WT_EXECUTEDEFAULT = 0x00000000;

// Runs `Function(Context)` on the system's worker thread, after the work queued before it,
// and returns at once. The worker waits for work for as long as the program runs: a thread
// that waits is woken on a free core, where a thread started for the work would share the
// core of the thread that starts it at first. FALSE when there is no worker. Safe to call
// from any thread.
BOOL QueueUserWorkItem(LPTHREAD_START_ROUTINE Function, LPVOID Context, ULONG Flags);
