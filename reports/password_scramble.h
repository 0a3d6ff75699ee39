// The reversible scrambling real routers apply to the passwords of their configuration once
// `service password-encryption` is on ("password 7 <scrambled>"): two decimal digits naming where
// in a fixed key the scrambling starts, then each character XORed with the key, in hex.
#pragma once

#include <string>
#include <string_view>

namespace zorva {

std::string scramble_password(std::string_view password);

}  // namespace zorva
