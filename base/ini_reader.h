// Reads one value from an INI file the way the platform's private-profile reader does: sections and
// keys compared without regard to case, the value trimmed and cut to 49 characters (a 50-character
// buffer), "" for a missing file, section or key. The first of duplicate sections or keys wins.
#pragma once

#include <string>

namespace zorva {

inline constexpr std::size_t kIniValueLimit = 49;

std::string read_ini_value(const std::string& section, const std::string& key,
                           const std::string& file);

}  // namespace zorva
