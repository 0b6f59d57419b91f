#pragma once
// The process's start before any window: the registration switches, which need
// no display, are handled and end the process; every other start goes on to the
// application. Only an argument that begins with "-" is a switch, so a file path
// such as "/work/RegServer" is never mistaken for one.
#include <iosfwd>

class CStrakonModule {
public:
    enum class Switch { none, regServer, unregServer };

    // The registration switch: the last argument, "-RegServer" or "-UnregServer"
    // in any case; an argument after it makes the start a normal one.
    static Switch ServerSwitch(int argc, const char* const* argv);
    // Started by the bus for a client ("-Automation") or embedded ("-Embedding").
    static bool IsAutomation(int argc, const char* const* argv);

    // Registers or unregisters this program with the desktop. 0 on success; on a
    // failure the message, naming the file, goes to err and the result is 2.
    static int RunServerSwitch(Switch which, std::ostream& err);
    // A normal start registers again, quietly: a failure only goes to the log.
    static void RefreshRegistration();
};
