// Work done aside: QueueUserWorkItem, of the handheld's system library.
#pragma once

#include "wintypes.h"

using LPVOID = void*;
using ULONG = std::uint32_t;
using LPTHREAD_START_ROUTINE = DWORD (*)(LPVOID lpThreadParameter);

constexpr ULONG WT_EXECUTEDEFAULT = 0x00000000;

// Runs `Function(Context)` on a thread of the system's pool, in the order queued, and returns
// at once. The pool grows by a thread when none waits for work, up to one for each core;
// its threads then wait for work for as long as the program runs: a thread that waits is
// woken on a free core, where a thread started for the work would share the core of the
// thread that starts it at first. FALSE when the pool has no thread and none can start.
// Safe to call from any thread.
BOOL QueueUserWorkItem(LPTHREAD_START_ROUTINE Function, LPVOID Context, ULONG Flags);
