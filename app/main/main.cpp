// The program. The registration switches are handled before anything of the
// user interface exists, so that they work without a display.
#include "app/shell/CStrakonApp.h"
#include "app/shell/CStrakonModule.h"

#include <QApplication>

#include <iostream>

int main(int argc, char** argv) {
    if (const auto which = CStrakonModule::ServerSwitch(argc, argv); which != CStrakonModule::Switch::none)
        return CStrakonModule::RunServerSwitch(which, std::cerr);
    QApplication qt(argc, argv);
    CStrakonApp app;
    return AfxWinMain(argc, argv);
}
