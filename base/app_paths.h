// The program's directory, the default topology file and the version text.
#pragma once

#include <filesystem>
#include <string>

namespace zorva {

// The folder with the platform's path separator at the end, added only when missing.
std::string app_path_of(const std::filesystem::path& folder);

// The folder followed by "default.ini", with a separator between them when needed.
std::string default_topology_file(const std::string& folder);

// major + minor / 10 + revision / 100, in decimal without blanks: 4.0.1 gives "4.01".
std::string version_text_of(int major, int minor, int revision);

// This program's own version text.
std::string program_version_text();

}  // namespace zorva
