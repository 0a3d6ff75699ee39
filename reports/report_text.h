// Appending report lines without temporaries: each call appends its pieces and one CR LF.
#pragma once

#include <string>
#include <string_view>

namespace zorva {

inline constexpr std::string_view kLineEnd = "\r\n";

template <typename... Pieces>
void add_line(std::string& out, const Pieces&... pieces) {
  (out.append(std::string_view(pieces)), ...);
  out.append(kLineEnd);
}

}  // namespace zorva
