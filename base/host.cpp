#include "base/host.h"

#include <ctime>

namespace zorva {

std::optional<Answer> answer_named(std::string_view word) {
  if (word == "yes") return Answer::Yes;
  if (word == "no") return Answer::No;
  if (word == "cancel") return Answer::Cancel;
  if (word == "ok") return Answer::Ok;
  return std::nullopt;
}

std::string local_date_time_text() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%d/%m/%Y %H:%M:%S", &local);
  return text;
}

}  // namespace zorva
