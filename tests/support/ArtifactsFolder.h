#pragma once
// The folder where tests leave pictures and documents for a person to look at:
// the build's test-artifacts folder under ctest, a folder in the temporary
// folder when a test program runs by itself.
#include <cstdlib>
#include <filesystem>

inline std::filesystem::path ArtifactsFolder() {
    const char* dir = std::getenv("STRAKON_TEST_ARTIFACTS");
    std::filesystem::path path =
        dir && *dir ? dir : std::filesystem::temp_directory_path() / "strakon-test-artifacts";
    std::filesystem::create_directories(path);
    return path;
}
