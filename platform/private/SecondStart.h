// What a later start of the program asks of the running one: the main window comes to
// the front and, when a file is named, opens it as if it had been dropped onto it. A
// message box or dialog that is up is closed first.
#pragma once

#include <QByteArray>

// `path` is the file system's bytes, absolute; empty when the start named no file.
void answerSecondStart(const QByteArray& path);
