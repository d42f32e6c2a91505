// The threads behind QueueUserWorkItem.
#pragma once

// Starts a thread of the pool unless one waits for work: the framework's start-up does so
// before Qt starts when a file is named, as the program reads that file aside. A thread that
// cannot start now is tried again when work is queued.
void startPoolThread();
