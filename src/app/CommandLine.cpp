#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <cstring>

QStringList DocumentsOnCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Drill library, practice plans, game evaluations, scouting reports and "
                       "practice teams for a sports coach."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("documents"),
        QStringLiteral("Practice plans (.pln), game evaluations (.gev) or scouting reports "
                       "(.rep) to open."),
        QStringLiteral("[documents...]"));
    parser.process(arguments);
    return parser.positionalArguments();
}

bool AsksForHelpOrVersion(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}
