#include "base/app_paths.h"

#include <cstdio>

namespace zorva {

namespace {
constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);
}

std::string app_path_of(const std::filesystem::path& folder) {
  std::string s = folder.string();
  if (s.empty() || s.back() != kSeparator) s += kSeparator;
  return s;
}

std::string default_topology_file(const std::string& folder) {
  if (!folder.empty() && folder.back() == kSeparator) return folder + "default.ini";
  return folder + kSeparator + "default.ini";
}

std::string version_text_of(int major, int minor, int revision) {
  // In hundredths, so the sum is exact; then written without trailing zeros.
  const long hundredths = major * 100L + minor * 10L + revision;
  std::string s = std::to_string(hundredths / 100);
  const long frac = hundredths % 100;
  if (frac != 0) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02ld", frac);
    std::string digits = buf;
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    s += "." + digits;
  }
  return s;
}

std::string program_version_text() {
  return version_text_of(ZORVA_VERSION_MAJOR, ZORVA_VERSION_MINOR, ZORVA_VERSION_PATCH);
}

}  // namespace zorva
