#include "lab/hand_in.h"

#include <nlohmann/json.hpp>

#include "base/latin1_text.h"
#include "lab/file_text.h"
#include "lab/lab_file.h"

namespace zorva {

namespace {

using nlohmann::json;

// Walks the JSON without building it: measures its depth, stopping past the limit, and picks up
// the top-level "student" text.
class LabScan : public nlohmann::json_sax<json> {
 public:
  bool too_deep = false;
  std::string student;

  bool null() override { return value(); }
  bool boolean(bool) override { return value(); }
  bool number_integer(number_integer_t) override { return value(); }
  bool number_unsigned(number_unsigned_t) override { return value(); }
  bool number_float(number_float_t, const string_t&) override { return value(); }
  bool string(string_t& s) override {
    if (student_next_) student = s;
    return value();
  }
  bool binary(binary_t&) override { return value(); }
  bool start_object(std::size_t) override { return enter(); }
  bool end_object() override { return leave(); }
  bool start_array(std::size_t) override { return enter(); }
  bool end_array() override { return leave(); }
  bool key(string_t& k) override {
    student_next_ = depth_ == 1 && k == kStudentField;
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    return false;  // the opening says what is wrong, in its own words
  }

 private:
  bool value() {
    student_next_ = false;
    return true;
  }
  bool enter() {
    student_next_ = false;
    too_deep = ++depth_ > kDeepestLabNesting;
    return !too_deep;
  }
  bool leave() {
    --depth_;
    return true;
  }
  int depth_ = 0;
  bool student_next_ = false;
};

}  // namespace

HandIn hand_in_of_text(std::string text) {
  HandIn h;
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  LabScan scan;
  json::sax_parse(text, &scan, json::input_format_t::json, false);
  if (scan.too_deep) {
    h.error = "the lab file is nested more than " + std::to_string(kDeepestLabNesting) +
              " levels deep; no lab file is";
    return h;
  }
  // Texts in a lab file are the core's bytes, each written as the character of its code.
  h.student = latin1_from_utf8(scan.student);
  h.text = std::move(text);
  return h;
}

HandIn read_hand_in(const std::filesystem::path& file) {
  std::string text;
  if (std::string error = read_file_text(file, kLabFileSizeLimit, text); !error.empty())
    return {"", "", error};
  return hand_in_of_text(std::move(text));
}

bool looks_like_lab(std::string_view head) {
  if (head.starts_with("\xEF\xBB\xBF")) head.remove_prefix(3);
  const std::size_t first = head.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && head[first] == '{' &&
         head.find(kLabFileFormat) != std::string_view::npos;
}

}  // namespace zorva
