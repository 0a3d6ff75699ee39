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

std::optional<std::string> unscramble_password(std::string_view scrambled) {
  const auto digit = [](char c) { return c >= '0' && c <= '9' ? c - '0' : -1; };
  const auto nibble = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  if (scrambled.size() < 2 || scrambled.size() % 2 != 0) return std::nullopt;
  const int tens = digit(scrambled[0]), ones = digit(scrambled[1]);
  if (tens < 0 || ones < 0 || tens * 10 + ones > 15) return std::nullopt;
  const auto start = static_cast<std::size_t>(tens * 10 + ones);
  std::string out;
  for (std::size_t i = 2; i < scrambled.size(); i += 2) {
    const int high = nibble(scrambled[i]), low = nibble(scrambled[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>((high << 4 | low) ^ kKey[(start + i / 2 - 1) % kKey.size()]);
  }
  return out;
}

std::optional<std::string> transform_secret(std::string_view typed) {
  std::string stored;
  stored.reserve(typed.size());
  for (char c : typed) {
    const auto code = static_cast<unsigned char>(c);
    if (code == 255) return std::nullopt;
    stored += static_cast<char>(code + 1);
  }
  return stored;
}

}  // namespace zorva
