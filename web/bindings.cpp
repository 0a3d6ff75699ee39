// What the page's JavaScript may call: the web session, as an embind class. Strings cross as
// UTF-8; the session's JSON texts are already valid UTF-8.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>

#include "web/web_session.h"

namespace {

using emscripten::val;

// The page's recovery storage (web/page/src/recovery.js: the tab's copy in local storage) as the
// lab session's store. The session decides when to write, offer and drop; this only forwards.
class TabStorage : public zorva::RecoveryStore {
 public:
  explicit TabStorage(val storage) : storage_(std::move(storage)) {}

  bool write(const std::string& lab_text) override {
    return storage_.call<bool>("write", lab_text);
  }
  void clear() override { storage_.call<void>("clear"); }
  std::vector<zorva::RecoveryCopy> left_behind() override {
    std::vector<zorva::RecoveryCopy> copies;
    const val found = storage_.call<val>("orphans");
    const int count = found["length"].as<int>();
    for (int i = 0; i < count; ++i) {
      const val c = found[i];
      copies.push_back(
          {c["id"].as<std::string>(), c["when"].as<std::string>(), c["lab"].as<std::string>()});
    }
    return copies;
  }
  void forget(const zorva::RecoveryCopy& copy) override { storage_.call<void>("forget", copy.id); }

 private:
  val storage_;
};

void use_recovery_storage(zorva::web::WebSession& session, val storage) {
  session.host().use_storage(std::make_unique<TabStorage>(std::move(storage)));
}

}  // namespace

EMSCRIPTEN_BINDINGS(zorva_web) {
  using zorva::web::WebSession;
  emscripten::class_<WebSession>("WebSession")
      .constructor<std::string>()  // the log goes beside the data, in memory
      .function("useRecoveryStorage", &use_recovery_storage)
      .function("start", &WebSession::start)
      .function("chooseTopology", &WebSession::choose_topology)
      .function("openTopology", &WebSession::open_topology)
      .function("openLab", &WebSession::open_lab)
      .function("labPage", &WebSession::lab_page)
      .function("labTitle", &WebSession::lab_title)
      .function("hasPracticeChecks", &WebSession::has_practice_checks)
      .function("checkPractice", &WebSession::check_practice)
      .function("student", &WebSession::student)
      .function("setStudent", &WebSession::set_student)
      .function("save", &WebSession::save)
      .function("offerRecovery", &WebSession::offer_recovery)
      .function("leaving", &WebSession::leaving)
      .function("labText", &WebSession::lab_text)
      .function("shippedTopologies", &WebSession::shipped_topologies)
      .function("typeText", &WebSession::type_text)
      .function("key", &WebSession::key)
      .function("functionKey", &WebSession::function_key)
      .function("answer", &WebSession::answer)
      .function("runReal", &WebSession::run_real)
      .function("skipMinutes", &WebSession::skip_minutes)
      .function("setSpeed", &WebSession::set_speed)
      .function("takeChanges", &WebSession::take_changes)
      .function("diagram", &WebSession::diagram)
      .function("topologyPage", &WebSession::topology_page)
      .function("check", &WebSession::check)
      .function("changed", &WebSession::changed)
      .function("setBehaviour", &WebSession::set_behaviour);
}
