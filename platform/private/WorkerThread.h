// The worker thread behind QueueUserWorkItem.
#pragma once

// Starts the worker unless it runs: the framework's start-up does so before Qt starts when
// a file is named, as the program reads that file aside. False when no thread can start.
bool startWorkerThread();
