// The worker thread behind QueueUserWorkItem.
#pragma once

// Starts the worker unless it runs: the framework's start-up does so before Qt starts when
// a file is named, as the program reads that file aside. A worker that cannot start now is
// tried again when work is queued.
void startWorkerThread();
