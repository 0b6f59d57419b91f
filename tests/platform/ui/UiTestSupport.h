#pragma once
// What the user-interface tests share besides the common test support: event
// delivery and the folder for the pictures the tests leave.
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QEvent>

#include <cstdlib>
#include <filesystem>

// Delivers posted events and the widgets' deferred deletions.
inline void ProcessEvents() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

inline std::filesystem::path ArtifactsFolder() {
    const char* dir = std::getenv("STRAKON_TEST_ARTIFACTS");
    std::filesystem::path path =
        dir && *dir ? dir : std::filesystem::temp_directory_path() / "strakon-test-artifacts";
    std::filesystem::create_directories(path);
    return path;
}
