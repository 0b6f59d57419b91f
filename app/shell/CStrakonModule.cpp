#include "app/shell/CStrakonModule.h"

#include "app/shell/ADesktopRegistration.h"
#include "platform/storage/ProgramPaths.h"

#include <iostream>
#include <string>
#include <strings.h>

namespace {

bool IsSwitch(const char* argument, const char* name) {
    return argument && argument[0] == '-' && strcasecmp(argument + 1, name) == 0;
}

} // namespace

CStrakonModule::Switch CStrakonModule::ServerSwitch(int argc, const char* const* argv) {
    if (argc < 2 || !argv) return Switch::none;
    const char* last = argv[argc - 1];
    if (IsSwitch(last, "UnregServer")) return Switch::unregServer;
    if (IsSwitch(last, "RegServer")) return Switch::regServer;
    return Switch::none;
}

bool CStrakonModule::IsAutomation(int argc, const char* const* argv) {
    for (int i = 1; i < argc && argv; ++i)
        if (IsSwitch(argv[i], "Automation") || IsSwitch(argv[i], "Embedding")) return true;
    return false;
}

int CStrakonModule::RunServerSwitch(Switch which, std::ostream& err) {
    if (which == Switch::none) return 0;
    ADesktopRegistration registration;
    std::string error;
    const bool done = which == Switch::regServer ? registration.Register(programpaths::programFile(), error)
                                                 : registration.Unregister(error);
    if (done) return 0;
    err << "Strakon: " << error << '\n';
    return 2;
}

void CStrakonModule::RefreshRegistration() {
    std::string error;
    if (!ADesktopRegistration().Register(programpaths::programFile(), error))
        std::clog << "Strakon: the desktop registration was not refreshed: " << error << '\n';
}
