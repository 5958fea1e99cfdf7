#pragma once

namespace Brelog {
// Parses the command line, prepares the program folder and runs the program.
int runApplication(int argc, char *argv[]);
}
