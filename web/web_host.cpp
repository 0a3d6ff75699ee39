#include "web/web_host.h"

#include <chrono>
#include <utility>

namespace zorva::web {

WebHost::WebHost()
    : generator_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

Answer WebHost::message_box(std::string_view title, std::string_view text, Buttons buttons) {
  notices.push_back({std::string(title), std::string(text)});
  // Only boxes with OK alone reach here from the core; a question that cannot be asked now is
  // answered as if the user had closed it.
  return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

void WebHost::ask(std::string_view title, std::string_view text, Buttons buttons,
                  std::function<void(Answer)> then) {
  if (question) {  // the page is modal, so this cannot happen; never lose the first one
    then(Answer::Cancel);
    return;
  }
  question = Question{std::string(title), std::string(text), buttons, std::move(then)};
  question_is_new = true;
}

bool WebHost::answer(Answer a) {
  if (!question) return false;
  std::function<void(Answer)> then = std::move(question->then);
  question.reset();
  then(a);
  return true;
}

std::string WebHost::date_time_text() {
  return local_date_time_text();
}

double WebHost::random() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

bool WebHost::launch(const std::string&) {
  return false;  // the page opens documents itself; the core never asks it to
}

void WebHost::activate_router(int n) {
  activated_router = n;
}

bool WebHost::write(const std::string& lab_text) {
  return storage_ && storage_->write(lab_text);
}

void WebHost::clear() {
  if (storage_) storage_->clear();
}

std::vector<RecoveryCopy> WebHost::left_behind() {
  return storage_ ? storage_->left_behind() : std::vector<RecoveryCopy>{};
}

void WebHost::forget(const RecoveryCopy& copy) {
  if (storage_) storage_->forget(copy);
}

}  // namespace zorva::web
