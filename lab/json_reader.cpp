#include "lab/json_reader.h"

namespace zorva {

namespace {

const nlohmann::json& empty_object() {
  static const nlohmann::json empty = nlohmann::json::object();
  return empty;
}

}  // namespace

void check_nesting(std::string_view text, int limit) {
  int depth = 0;
  bool in_string = false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    if (in_string) {
      if (c == '\\') {
        ++k;  // the escaped character cannot end the string
      } else if (c == '"') {
        in_string = false;
      }
    } else if (c == '"') {
      in_string = true;
    } else if (c == '[' || c == '{') {
      if (++depth > limit)
        throw LabFormatError("the lab file nests lists and objects more than " +
                             std::to_string(limit) + " levels deep");
    } else if (c == ']' || c == '}') {
      --depth;  // an unbalanced text is left for the parser to refuse
    }
  }
}

JsonIn::JsonIn(const nlohmann::json& value, std::string where)
    : value_(value), where_(std::move(where)) {
  if (!value_.is_object())
    throw LabFormatError((where_.empty() ? std::string("the file") : where_) +
                         ": an object {...} was expected");
}

std::string JsonIn::name_of(const char* key) const {
  return where_.empty() ? std::string(key) : where_ + "." + key;
}

void JsonIn::fail(const char* key, const std::string& message) const {
  throw LabFormatError(name_of(key) + ": " + message);
}

const nlohmann::json* JsonIn::find(const char* key) const {
  const auto it = value_.find(key);
  return it == value_.end() ? nullptr : &*it;
}

bool JsonIn::has(const char* key) const {
  return find(key) != nullptr;
}

std::string JsonIn::text(const char* key, const std::string& fallback) const {
  const nlohmann::json* v = find(key);
  if (!v) return fallback;
  if (!v->is_string()) fail(key, "a text in quotes was expected");
  return v->get<std::string>();
}

bool JsonIn::flag(const char* key, bool fallback) const {
  const nlohmann::json* v = find(key);
  if (!v) return fallback;
  if (!v->is_boolean()) fail(key, "true or false was expected");
  return v->get<bool>();
}

long long JsonIn::whole(const char* key, long long low, long long high, long long fallback) const {
  const nlohmann::json* v = find(key);
  if (!v) return fallback;
  const std::string range = "a whole number from " + std::to_string(low) + " to " +
                            std::to_string(high) + " was expected";
  if (v->is_number_unsigned()) {
    const auto n = v->get<unsigned long long>();
    if (high < 0 || n > static_cast<unsigned long long>(high)) fail(key, range);
    if (static_cast<long long>(n) < low) fail(key, range);
    return static_cast<long long>(n);
  }
  if (!v->is_number_integer()) fail(key, range);
  const auto n = v->get<long long>();
  if (n < low || n > high) fail(key, range);
  return n;
}

JsonIn JsonIn::object(const char* key) const {
  const nlohmann::json* v = find(key);
  if (!v) return JsonIn(empty_object(), name_of(key));
  if (!v->is_object()) fail(key, "an object {...} was expected");
  return JsonIn(*v, name_of(key));
}

const nlohmann::json& JsonIn::array(const char* key, std::size_t limit, const char* what) const {
  const nlohmann::json* v = find(key);
  if (!v->is_array()) fail(key, "a list [...] was expected");
  if (v->size() > limit)
    fail(key, std::to_string(v->size()) + " " + what + " where at most " + std::to_string(limit) +
                  " fit");
  return *v;
}

std::vector<JsonIn> JsonIn::objects(const char* key, std::size_t limit, const char* what) const {
  std::vector<JsonIn> out;
  if (!has(key)) return out;
  const nlohmann::json& list = array(key, limit, what);
  out.reserve(list.size());
  for (std::size_t i = 0; i < list.size(); ++i)
    out.emplace_back(list[i], name_of(key) + "[" + std::to_string(i + 1) + "]");
  return out;
}

std::vector<std::string> JsonIn::texts(const char* key, std::size_t limit, const char* what) const {
  std::vector<std::string> out;
  if (!has(key)) return out;
  const nlohmann::json& list = array(key, limit, what);
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (!list[i].is_string())
      fail(key, "entry " + std::to_string(i + 1) + ": a text in quotes was expected");
    out.push_back(list[i].get<std::string>());
  }
  return out;
}

}  // namespace zorva
