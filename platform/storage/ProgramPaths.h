#pragma once
// Where the running program lives and where it may put temporary files.
#include <filesystem>
#include <string>
#include <string_view>

namespace programpaths {

// The running program's own file, with links resolved.
std::filesystem::path programFile();

// A folder of this process's own below the system's temporary folder ($TMPDIR
// or /tmp), made on the first call (mode 0700) and removed with its content
// when the process exits, so that two running programs never share a file.
std::filesystem::path processTempFolder();

// A relative name as the program's texts write it ("Common\DB\Steel.db") in
// this system's form ("Common/DB/Steel.db").
std::string fromBackslashes(std::string_view relative);

} // namespace programpaths
