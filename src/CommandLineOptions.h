// The program's own command-line options, besides a list to open.
#pragma once

// Names the progress folder for one run.
constexpr const char* kProgressFolderOption = "progress-folder";
// Prints the progress with a list and exits.
constexpr const char* kProgressOption = "progress";
