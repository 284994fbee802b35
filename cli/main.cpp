#include "Cli.h"
#include "DataSearch.h"

#include <clocale>

int main(int argc, char** argv) {
    // Run in the user's locale, as the application does: the commands must read and print numbers
    // the same way whatever it is.
    std::setlocale(LC_ALL, "");
    searchDataFilesFor(argc > 0 ? argv[0] : nullptr);
    return RunCli(argc, argv, CliStreams());
}
