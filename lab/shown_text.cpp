#include "lab/shown_text.h"

namespace zorva {

namespace {

// The length of the valid UTF-8 sequence at `i` that encodes a character from U+00A0 up, or 0.
std::size_t utf8_sequence(std::string_view text, std::size_t i) {
  const auto at = [&text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = at(i);
  std::size_t length = 0;
  unsigned long code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07u;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((at(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (at(i + k) & 0x3Fu);
  }
  const unsigned long smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return code < 0xA0 ? 0 : length;  // U+0080..U+009F are the C1 controls
}

void caret(std::string& out, unsigned code) {
  out += '^';
  out += code == 0x7F ? '?' : static_cast<char>(code + 0x40);
}

}  // namespace

std::string shown_text(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x20 || b == 0x7F) {
      caret(out, b);
      ++i;
    } else if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
    } else if (const std::size_t n = utf8_sequence(text, i); n > 0) {
      out.append(text.substr(i, n));
      i += n;
    } else if (b == 0xC2 && i + 1 < text.size() &&
               (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80) {
      // A C1 control written in UTF-8.
      out += "M-";
      caret(out, static_cast<unsigned char>(text[i + 1]) - 0x80);
      i += 2;
    } else if (b < 0xA0) {
      out += "M-";  // a C1 control as one byte
      caret(out, b - 0x80);
      ++i;
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));  // a Latin-1 character
      out += static_cast<char>(0x80 | (b & 0x3F));
      ++i;
    }
  }
  return out;
}

std::size_t shown_width(std::string_view utf8) {
  std::size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

}  // namespace zorva
