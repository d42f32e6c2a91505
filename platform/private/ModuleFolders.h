// Where the framework looks for its modules and the application's.
#pragma once

#include <QStringList>

// Beside the program (the build), one folder up (the tests) and the application's plugin
// folder, named after the application, below the libraries' folder beside the program's.
// The program's folder is known also when it runs without Qt's application object, as
// for a run that prints and ends.
QStringList moduleFolders();
