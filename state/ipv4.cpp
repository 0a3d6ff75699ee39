// IPv4 addresses as 32-bit values.
#include "state/ipv4.h"

namespace zorva {

std::optional<Ipv4> parse_dotted(std::string_view text) {
  Ipv4 value = 0;
  int parts = 0;
  std::size_t i = 0;
  while (parts < 4) {
    unsigned octet = 0;
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      octet = octet * 10 + static_cast<unsigned>(text[i] - '0');
      if (octet > 255) return std::nullopt;  // also stops the number from growing any further
      ++i;
    }
    if (i == start) return std::nullopt;
    value = (value << 8) | octet;
    ++parts;
    if (parts < 4) {
      if (i >= text.size() || text[i] != '.') return std::nullopt;
      ++i;
    }
  }
  if (i != text.size()) return std::nullopt;
  return value;
}

std::string dotted(Ipv4 value) {
  return std::to_string(value >> 24) + "." + std::to_string((value >> 16) & 255) + "." +
         std::to_string((value >> 8) & 255) + "." + std::to_string(value & 255);
}

Ipv4 mask_for_length(int length) {
  if (length <= 0) return 0;
  if (length >= 32) return 0xFFFFFFFFu;
  return 0xFFFFFFFFu << (32 - length);
}

Ipv4 classful_network(Ipv4 address) {
  const Ipv4 first = address >> 24;
  if (first < 128) return address & 0xFF000000u;
  if (first < 192) return address & 0xFFFF0000u;
  return address & 0xFFFFFF00u;
}

int classful_length(Ipv4 address) {
  const Ipv4 first = address >> 24;
  if (first < 128) return 8;
  if (first < 192) return 16;
  return 24;
}

}  // namespace zorva
