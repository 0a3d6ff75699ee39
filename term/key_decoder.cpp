// Key decoding: plain bytes map to themselves (with Enter, Backspace and Esc normalised), escape
// sequences from xterm-like terminals and the Linux console map to editing keys and F-keys.
#include "term/key_decoder.h"

#include <charconv>
#include <optional>

namespace zorva {

namespace {

constexpr std::size_t kMaxSequence = 16;  // longer sequences are garbage and are swallowed

bool is_parameter(unsigned char b) {
  return b >= 0x20 && b <= 0x3F;
}  // digits, ';', blanks
bool is_final(unsigned char b) {
  return b >= 0x40 && b <= 0x7E;
}

std::optional<KeyEvent> arrow(unsigned char final) {
  switch (final) {
    case 'A':
      return KeyEvent::code(kCtrlP);
    case 'B':
      return KeyEvent::code(kCtrlN);
    case 'C':
      return KeyEvent::code(kCtrlF);
    case 'D':
      return KeyEvent::code(kCtrlB);
    case 'H':
      return KeyEvent::code(kCtrlA);
    case 'F':
      return KeyEvent::code(kCtrlE);
    case 'P':
      return KeyEvent::function(1);
    case 'Q':
      return KeyEvent::function(2);
    case 'R':
      return KeyEvent::function(3);
    case 'S':
      return KeyEvent::function(4);
    default:
      return std::nullopt;
  }
}

// ESC [ n ~ with n the first parameter (modifiers after ';' are ignored).
std::optional<KeyEvent> tilde_key(std::string_view params) {
  int n = 0;
  const auto [end, ec] = std::from_chars(params.data(), params.data() + params.size(), n);
  if (ec != std::errc() || (end != params.data() + params.size() && *end != ';'))
    return std::nullopt;
  if (n >= 11 && n <= 15) return KeyEvent::function(n - 10);  // F1..F5
  if (n >= 17 && n <= 21) return KeyEvent::function(n - 11);  // F6..F10
  if (n == 23 || n == 24) return KeyEvent::function(n - 12);  // F11, F12
  if (n == 5) return KeyEvent::of(KeyEvent::Kind::PageUp);    // Shift+PageUp too: ESC [ 5 ; 2 ~
  if (n == 6) return KeyEvent::of(KeyEvent::Kind::PageDown);
  if (n == 1 || n == 7) return KeyEvent::code(kCtrlA);
  if (n == 4 || n == 8) return KeyEvent::code(kCtrlE);
  return std::nullopt;
}

// A whole sequence ESC [ params final, ESC O params final or ESC [ [ final.
std::optional<KeyEvent> sequence_key(std::string_view seq) {
  const unsigned char final = static_cast<unsigned char>(seq.back());
  if (seq.size() == 4 && seq[2] == '[') {  // Linux console F1..F5
    if (final >= 'A' && final <= 'E') return KeyEvent::function(final - 'A' + 1);
    return std::nullopt;
  }
  const std::string_view params = seq.substr(2, seq.size() - 3);
  if (seq[1] == '[' && final == '~') return tilde_key(params);
  return arrow(final);
}

}  // namespace

void KeyDecoder::feed(std::string_view bytes, std::vector<KeyEvent>& out) {
  for (char c : bytes) feed_byte(static_cast<unsigned char>(c), out);
}

void KeyDecoder::flush(std::vector<KeyEvent>& out) {
  if (sequence_.size() == 1) out.push_back(KeyEvent::code(kEscape));
  sequence_.clear();
  skipping_ = false;
  after_cr_ = false;
}

void KeyDecoder::feed_byte(unsigned char b, std::vector<KeyEvent>& out) {
  if (skipping_) {
    if (is_parameter(b)) return;
    skipping_ = false;
    if (is_final(b)) return;
  }
  if (sequence_.empty()) {
    plain_byte(b, out);
  } else {
    sequence_byte(b, out);
  }
}

void KeyDecoder::plain_byte(unsigned char b, std::vector<KeyEvent>& out) {
  const bool lf_after_cr = b == '\n' && after_cr_;
  after_cr_ = b == '\r';
  if (lf_after_cr) return;
  if (b == kEscape) {
    sequence_.assign(1, static_cast<char>(kEscape));
  } else if (b == '\r' || b == '\n') {
    out.push_back(KeyEvent::code(13));
  } else if (b == 127) {
    out.push_back(KeyEvent::code(8));
  } else {
    out.push_back(KeyEvent::code(b));
  }
}

void KeyDecoder::sequence_byte(unsigned char b, std::vector<KeyEvent>& out) {
  if (b == kEscape) {  // a new sequence starts: the old one was a lone Esc, or it is dropped
    std::vector<KeyEvent> lone;
    flush(lone);
    out.insert(out.end(), lone.begin(), lone.end());
    sequence_.assign(1, static_cast<char>(kEscape));
    return;
  }
  sequence_ += static_cast<char>(b);
  if (sequence_.size() == 2) {
    if (b == '[' || b == 'O') return;
    if (b >= '0' && b <= '9') {  // Alt+digit; Alt+0 asks for a router number
      const KeyEvent key =
          b == '0' ? KeyEvent::of(KeyEvent::Kind::PickRouter) : KeyEvent::function(b - '0');
      finish(&key, out);
    } else if (b == 'h' || b == 'H' || b == '?') {  // Alt+H, Alt+?: the key list
      const KeyEvent key = KeyEvent::of(KeyEvent::Kind::KeyHelp);
      finish(&key, out);
    } else if (b == 'l' || b == 'L') {  // Alt+L: the lab's page
      const KeyEvent key = KeyEvent::of(KeyEvent::Kind::LabPage);
      finish(&key, out);
    } else if (b == 'n' || b == 'N') {  // Alt+N: the student's name
      const KeyEvent key = KeyEvent::of(KeyEvent::Kind::Student);
      finish(&key, out);
    } else {
      finish(nullptr, out);  // Alt with any other key is not used
    }
    return;
  }
  if (sequence_.size() == 3 && sequence_[1] == '[' && b == '[') return;  // ESC [ [ x
  if (sequence_.size() == 4 && sequence_[2] == '[') {
    const std::optional<KeyEvent> key = sequence_key(sequence_);
    finish(key ? &*key : nullptr, out);
    return;
  }
  if (is_parameter(b)) {
    if (sequence_.size() >= kMaxSequence) {
      finish(nullptr, out);
      skipping_ = true;
    }
    return;
  }
  std::optional<KeyEvent> key;
  if (is_final(b)) key = sequence_key(sequence_);
  finish(key ? &*key : nullptr, out);
}

void KeyDecoder::finish(const KeyEvent* key, std::vector<KeyEvent>& out) {
  if (key) out.push_back(*key);
  sequence_.clear();
  after_cr_ = false;
}

}  // namespace zorva
