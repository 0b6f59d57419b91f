#pragma once
// The program's place on the desktop: the D-Bus session service file that starts
// it for a client, the application entry that opens structure and project files
// with it, and the MIME types of those files. All three live under the user's
// XDG data folder ($XDG_DATA_HOME, else ~/.local/share).
//
// Registering and unregistering are all or nothing: a file that cannot be
// written or removed puts back every file already touched, and the failure names
// that file.
#include <filesystem>
#include <string>
#include <vector>

class ADesktopRegistration {
public:
    // The well-known bus name of the running program and its one object.
    static constexpr const char* kBusName = "org.orvex.Strakon";
    static constexpr const char* kObjectPath = "/Application";
    static constexpr const char* kInterface = "org.orvex.Strakon.IApplication";
    static constexpr const char* kProjectMimeType = "application/x-strakon-project";
    static constexpr const char* kStructureMimeType = "application/x-strakon-structure";

    // dataHome empty: the user's XDG data folder.
    explicit ADesktopRegistration(std::filesystem::path dataHome = {});

    // $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share.
    static std::filesystem::path DefaultDataHome();

    const std::filesystem::path& DataHome() const { return m_dataHome; }
    std::filesystem::path ServiceFile() const;
    std::filesystem::path DesktopFile() const;
    std::filesystem::path MimeFile() const;

    // The three texts for the given program file.
    static std::string ServiceText(const std::filesystem::path& program);
    static std::string DesktopText(const std::filesystem::path& program);
    static std::string MimeText();

    // Writes the three files for the program, then refreshes the desktop's MIME
    // and application caches where their tools are installed. False with the
    // reason (naming the file) in error when a file could not be written; the
    // folder then holds what it held before.
    bool Register(const std::filesystem::path& program, std::string& error);
    // Removes the three files; a file that is not there is no failure.
    bool Unregister(std::string& error);

private:
    struct Change {
        std::filesystem::path path;
        std::string text; // the new text; unused when removing
    };
    // Applies every change (writing, or removing when remove is set); on a failure
    // puts the files already changed back as they were.
    bool Apply(const std::vector<Change>& changes, bool remove, std::string& error);
    void RefreshCaches() const;

    std::filesystem::path m_dataHome;
};
