#include "base/latin1_text.h"

namespace zorva {

std::string utf8_from_latin1(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

namespace {

// The length of the UTF-8 sequence a lead byte starts, 0 for a byte that starts none.
int sequence_length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::string latin1_from_utf8(std::string_view text, char stand_in) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = sequence_length(lead);
    bool whole = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
    for (int k = 1; whole && k < length; ++k)
      whole = (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) == 0x80;
    if (!whole) {
      out += stand_in;
      ++i;
      continue;
    }
    if (length == 1) {
      out += static_cast<char>(lead);
    } else if (length == 2 && lead <= 0xC3) {  // U+0080..U+00FF
      out += static_cast<char>(((lead & 0x03) << 6) |
                               (static_cast<unsigned char>(text[i + 1]) & 0x3F));
    } else {
      out += stand_in;
    }
    i += static_cast<std::size_t>(length);
  }
  return out;
}

}  // namespace zorva
