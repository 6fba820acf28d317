#pragma once

#include <QStringList>

// The program's command line: --help, --version and the documents to open.
// --help, --version and an unknown option print their text and end the
// program, as command-line programs do.
QStringList DocumentsOnCommandLine(const QStringList& arguments);

// True when the command line asks only for help or the version, which the
// program answers without a display.
bool AsksForHelpOrVersion(int argc, char** argv);
