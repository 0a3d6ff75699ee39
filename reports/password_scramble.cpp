// Type-7 password scrambling (see the header).
#include "reports/password_scramble.h"

#include <array>

namespace zorva {

namespace {

constexpr std::string_view kKey = "dsfd;kfoA,.iyewrkldJKDHSUBsgvca69834ncxv9873254k;fg87";

}  // namespace

std::string scramble_password(std::string_view password) {
  unsigned sum = 0;
  for (const char c : password) sum += static_cast<unsigned char>(c);
  return scramble_password(password, sum % 16);
}

std::string scramble_password(std::string_view password, unsigned start) {
  start %= 16;
  constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                         '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
  std::string out;
  out.reserve(2 + 2 * password.size());
  out += static_cast<char>('0' + start / 10);
  out += static_cast<char>('0' + start % 10);
  for (std::size_t i = 0; i < password.size(); ++i) {
    const auto byte = static_cast<unsigned char>(static_cast<unsigned char>(password[i]) ^
                                                 kKey[(start + i) % kKey.size()]);
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
  return out;
}

}  // namespace zorva
