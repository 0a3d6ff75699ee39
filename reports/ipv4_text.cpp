// Addresses as the reports print them.
#include "reports/ipv4_text.h"

#include <array>

#include "base/number_text.h"
#include "state/ip_routines.h"

namespace zorva {

namespace {

// The first four dot-separated parts of `text`, read as rounded leading numbers.
std::array<long long, 4> octets_of(std::string_view text) {
  std::array<long long, 4> octets{};
  std::size_t slot = 0;
  while (slot < octets.size()) {
    const std::size_t dot = text.find('.');
    octets[slot++] = static_cast<long long>(leading_number(text.substr(0, dot)) + 0.5);
    if (dot == std::string_view::npos) break;
    text.remove_prefix(dot + 1);
  }
  return octets;
}

}  // namespace

Ipv4 ipv4_of_dotted(std::string_view text) {
  Ipv4 value = 0;
  for (long long octet : octets_of(text)) value = (value << 8) + static_cast<Ipv4>(octet & 255);
  return value;
}

std::string classful_network(std::string_view address) {
  const std::array<long long, 4> o = octets_of(address);
  const std::string a = plain_number(o[0]);
  if (o[0] < 128) return a + ".0.0.0";
  if (o[0] < 192) return a + "." + plain_number(o[1]) + ".0.0";
  return a + "." + plain_number(o[1]) + "." + plain_number(o[2]) + ".0";
}

std::string mask_slash_text(std::string_view mask) {
  for (int p = 8; p <= 31; ++p)
    if (mask == mask_for_prefix(p)) return plain_number(p);
  return "";
}

}  // namespace zorva
