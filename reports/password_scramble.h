// The reversible scrambling real routers apply to the passwords of their configuration once
// `service password-encryption` is on ("password 7 <scrambled>"): two decimal digits naming where
// in a fixed key the scrambling starts, then each character XORed with the key, in hex.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorva {

// The scrambled text starting at place `start` (0..15) of the key.
std::string scramble_password(std::string_view password, unsigned start);

// The same, starting at a place chosen from the password, so that a configuration always prints
// the same text (real routers choose it at random).
std::string scramble_password(std::string_view password);

// The password a scrambled text stands for, as a router reads `password 7 <scrambled>` back;
// nothing when the text is not a scrambled password.
std::optional<std::string> unscramble_password(std::string_view scrambled);

// The stored form of a secret (the enable secret, a user's secret): every character code raised
// by one ("abc" gives "bcd"). No value when a character has no successor (code 255).
std::optional<std::string> transform_secret(std::string_view typed);

}  // namespace zorva
