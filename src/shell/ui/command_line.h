// The command line: the program's own options (--help, --version) and Qt's (-style, -platform,
// ...), read before the window system is reached, so that help and version need no display.
#pragma once

namespace vexmoor {

// What the arguments ask for: start the program (Qt's own options are left for QApplication), or
// end at once with this exit status after printing the help or the version (0) or a short
// message about an argument the program does not know (2).
struct CommandLineOutcome
{
    bool start = true;
    int exitStatus = 0;
};

CommandLineOutcome HandleCommandLine(int argc, const char* const* argv);

} // namespace vexmoor
