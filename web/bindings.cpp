// What the page's JavaScript may call: the web session, as an embind class. Strings cross as
// UTF-8; the session's JSON texts are already valid UTF-8.
#include <emscripten/bind.h>

#include "web/web_session.h"

EMSCRIPTEN_BINDINGS(zorva_web) {
  using zorva::web::WebSession;
  emscripten::class_<WebSession>("WebSession")
      .constructor<std::string>()  // the log goes beside the data, in memory
      .function("start", &WebSession::start)
      .function("openTopology", &WebSession::open_topology)
      .function("openLab", &WebSession::open_lab)
      .function("openNamedLab", &WebSession::open_named_lab)
      .function("labPage", &WebSession::lab_page)
      .function("labTitle", &WebSession::lab_title)
      .function("hasPracticeChecks", &WebSession::has_practice_checks)
      .function("checkPractice", &WebSession::check_practice)
      .function("student", &WebSession::student)
      .function("setStudent", &WebSession::set_student)
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
      .function("markSaved", &WebSession::mark_saved)
      .function("suggestedName", &WebSession::suggested_name)
      .function("setBehaviour", &WebSession::set_behaviour);
}
