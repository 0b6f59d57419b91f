#pragma once
// What the user-interface tests share: the Qt application (offscreen), event
// delivery, a temporary folder and the folder for pictures the tests leave.
#include <QApplication>
#include <QEvent>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

inline QApplication& EnsureQApplication() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends: widgets of any test may still refer to it.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// Delivers posted events and the widgets' deferred deletions.
inline void ProcessEvents() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// A folder of its own for one test, removed with it.
class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("strakon-ui-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

inline std::filesystem::path ArtifactsFolder() {
    const char* dir = std::getenv("STRAKON_TEST_ARTIFACTS");
    std::filesystem::path path =
        dir && *dir ? dir : std::filesystem::temp_directory_path() / "strakon-artifacts";
    std::filesystem::create_directories(path);
    return path;
}
