// The program's registration switches, run as the real program without a display,
// each with an XDG data folder of its own.
#include "app/shell/CStrakonModule.h"
#include "app/shell/ADesktopRegistration.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kProgram = fs::path(STRAKON_BINARY_DIR) / "bin" / "strakon";

std::string ReadText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<fs::path> RegularFiles(const fs::path& root) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file()) files.push_back(it->path());
    return files;
}

struct ProgramRun {
    int exitCode = -1;
    std::string errors;
};

// The program with the given switch and data folder; no display is offered.
ProgramRun RunProgram(const fs::path& dataHome, const QStringList& arguments, bool asOtherUser = false) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", QString::fromStdString(dataHome.string()));
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    QString program = QString::fromStdString(kProgram.string());
    QStringList args = arguments;
    if (asOtherUser) {
        // The superuser writes into read-only folders: the run drops to an ordinary user.
        args = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + arguments;
        program = "setpriv";
    }
    process.start(program, args);
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = process.readAllStandardError().toStdString();
    return run;
}

TEST(CStrakonModuleTest, OnlyALastDashArgumentIsARegistrationSwitch) {
    using S = CStrakonModule::Switch;
    const struct {
        std::vector<const char*> args;
        S expected;
    } cases[] = {
        {{"strakon", "-RegServer"}, S::regServer},     {{"strakon", "-regserver"}, S::regServer},
        {{"strakon", "-UNREGSERVER"}, S::unregServer}, {{"strakon", "-x", "-UnregServer"}, S::unregServer},
        {{"strakon", "/RegServer"}, S::none},          {{"strakon", "/work/RegServer"}, S::none},
        {{"strakon", "/work/my-RegServer"}, S::none},  {{"strakon", "-RegServer", "extra"}, S::none},
        {{"strakon", "-RegServerX"}, S::none},         {{"strakon"}, S::none},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const char* a : c.args)
            line += std::string(a) + " ";
        EXPECT_EQ(CStrakonModule::ServerSwitch(static_cast<int>(c.args.size()), c.args.data()), c.expected)
            << line;
    }
    const char* automation[] = {"strakon", "-automation"};
    EXPECT_TRUE(CStrakonModule::IsAutomation(2, automation));
    const char* file[] = {"strakon", "/work/-Automation"};
    EXPECT_FALSE(CStrakonModule::IsAutomation(2, file));
}

TEST(CStrakonModuleTest, RegServerWritesTheThreeFilesForThisProgramAndUnregServerRemovesThem) {
    ASSERT_TRUE(fs::exists(kProgram));
    const std::string program = fs::canonical(kProgram).string();
    for (const char* which : {"-RegServer", "-regserver"}) {
        TempFolder home;
        const ADesktopRegistration files(home.path());
        const ProgramRun reg = RunProgram(home.path(), {which});
        ASSERT_EQ(reg.exitCode, 0) << which << ": " << reg.errors;
        EXPECT_EQ(ReadText(files.ServiceFile()), ADesktopRegistration::ServiceText(program));
        const std::string service = ReadText(files.ServiceFile());
        EXPECT_NE(service.find("Name=org.orvex.Strakon\n"), std::string::npos) << service;
        EXPECT_NE(service.find("Exec=" + program + " -Automation\n"), std::string::npos) << service;
        const std::string desktop = ReadText(files.DesktopFile());
        EXPECT_NE(desktop.find("Exec=" + program + " %f\n"), std::string::npos) << desktop;
        EXPECT_NE(desktop.find("MimeType=application/x-strakon-structure;application/x-strakon-project;"),
                  std::string::npos);
        const std::string mime = ReadText(files.MimeFile());
        for (const char* part : {"*.oxs", "*.oxp", "\\xd0\\xcf\\x11\\xe0\\xa1\\xb1\\x1a\\xe1"})
            EXPECT_NE(mime.find(part), std::string::npos) << part;

        const ProgramRun unreg = RunProgram(home.path(), {"-UnregServer"});
        EXPECT_EQ(unreg.exitCode, 0) << unreg.errors;
        for (const fs::path& path : {files.ServiceFile(), files.DesktopFile(), files.MimeFile()})
            EXPECT_FALSE(fs::exists(path)) << path;
        // Nothing there is no failure.
        EXPECT_EQ(RunProgram(home.path(), {"-unregserver"}).exitCode, 0);
    }
}

TEST(CStrakonModuleTest, AFileThatCannotBeWrittenFailsNamingItAndLeavesNoFiles) {
    {
        // A folder where the application entry belongs: the service file, written first, goes again.
        TempFolder home;
        const ADesktopRegistration files(home.path());
        fs::create_directories(files.DesktopFile());
        const ProgramRun run = RunProgram(home.path(), {"-RegServer"});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_NE(run.errors.find(files.DesktopFile().string()), std::string::npos) << run.errors;
        EXPECT_TRUE(RegularFiles(home.path()).empty());
    }
    {
        TempFolder home;
        fs::permissions(home.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
        const fs::path data = home.path() / "share";
        fs::create_directories(data);
        fs::permissions(data, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
        const ProgramRun run = RunProgram(data, {"-RegServer"}, ::geteuid() == 0);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_NE(run.errors.find(ADesktopRegistration(data).ServiceFile().string()), std::string::npos)
            << run.errors;
        EXPECT_TRUE(RegularFiles(data).empty());
        fs::permissions(data, fs::perms::owner_all);
    }
}

TEST(CStrakonModuleTest, ASecondInstanceRunsWithoutTheNameAndAnAutomationInstanceEndsWithItsClient) {
    if (QStandardPaths::findExecutable("dbus-run-session").isEmpty() ||
        QStandardPaths::findExecutable("dbus-send").isEmpty())
        GTEST_SKIP() << "dbus-run-session and dbus-send are not installed";
    TempFolder home;
    const fs::path data = home.path() / "share";
    ASSERT_EQ(RunProgram(data, {"-RegServer"}).exitCode, 0);
    QProcess session;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The bus reads the service file from here, and the programs it starts inherit the rest.
    env.insert("XDG_DATA_HOME", QString::fromStdString(data.string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    session.setProcessEnvironment(env);
    const QStringList arguments{"--", "sh", QString(STRAKON_SOURCE_DIR) + "/tests/app/bus_instances.sh",
                                QString::fromStdString(fs::canonical(kProgram).string()),
                                QString::fromStdString(home.path().string())};
    session.start("dbus-run-session", arguments);
    ASSERT_TRUE(session.waitForFinished(120000));
    const std::string output =
        (session.readAllStandardOutput() + session.readAllStandardError()).toStdString();
    EXPECT_EQ(session.exitCode(), 0) << output;
    EXPECT_NE(output.find("OK"), std::string::npos) << output;
}

} // namespace
