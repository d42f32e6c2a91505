// Makes reads of one file fail with an I/O error after a number of bytes, as a failing
// disk or a vanished network share would.
#pragma once

#include <cstddef>
#include <string>

void armReadFault(const std::string& fileName, size_t bytesBeforeFault);
void disarmReadFault();
