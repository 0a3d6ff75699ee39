// Reading a lab file's JSON with every value checked: a field of the wrong type or out of range
// stops the reading with a message naming the field, such as "routers[2].interfaces[1].ospf_cost:
// a whole number from 0 to 65535 was expected". A missing field keeps the value the caller gives;
// fields this version does not know are never looked at.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zorva {

// Thrown while a lab file is read and caught where the reading began; it never leaves the lab
// layer.
struct LabFormatError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Refuses a text whose arrays and objects nest more than `limit` levels deep, before anything is
// parsed: walking such a value (converting, checking, writing it) would recurse once per level
// and a hand-made file of a few hundred kilobytes would overflow the stack. Brackets inside
// strings do not count.
void check_nesting(std::string_view text, int limit);

class JsonIn {
 public:
  // `value` must be an object; `where` names it in messages ("" for the whole file).
  JsonIn(const nlohmann::json& value, std::string where);

  bool has(const char* key) const;
  std::string text(const char* key, const std::string& fallback) const;
  bool flag(const char* key, bool fallback) const;
  long long whole(const char* key, long long low, long long high, long long fallback) const;
  // A nested object; a missing one reads as an empty object, so its fields take their fallbacks.
  JsonIn object(const char* key) const;
  // The objects of an array of at most `limit` entries.
  std::vector<JsonIn> objects(const char* key, std::size_t limit, const char* what) const;
  // The texts of an array of at most `limit` entries.
  std::vector<std::string> texts(const char* key, std::size_t limit, const char* what) const;

  const std::string& where() const { return where_; }
  [[noreturn]] void fail(const char* key, const std::string& message) const;

 private:
  const nlohmann::json* find(const char* key) const;
  std::string name_of(const char* key) const;
  const nlohmann::json& array(const char* key, std::size_t limit, const char* what) const;

  const nlohmann::json& value_;
  std::string where_;
};

}  // namespace zorva
