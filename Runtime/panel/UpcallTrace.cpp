#include "panel/UpcallTrace.h"

namespace panel {

UpcallTrace::UpcallTrace(vm::Vm& vm, const gx::Recorder& recorder, const Bindings& names)
    : vm_(vm), recorder_(recorder) {
  vm_.upcallObserver = [this, &names](const vm::UpcallEvent& e) {
    std::string on = names.idOf(e.receiver);
    if (on.empty()) on = "<" + vm_.classOf(e.receiver).name() + ">";
    Json args = Json::array();
    for (const int32_t a : e.args) args.push_back(a);
    Json line{{"upcall", e.signature}};
    // Named after the screen call it ran in, as the drawing lines are.
    if (recorder_.stampsCalls())
      line["call"] = recorder_.call() ? Json(*recorder_.call()) : Json(nullptr);
    line["class"] = e.className, line["on"] = on, line["virtual"] = e.isVirtual;
    line["args"] = std::move(args);
    upcalls_.emplace_back(recorder_.calls().size(), std::move(line));
  };
}

UpcallTrace::~UpcallTrace() { vm_.upcallObserver = nullptr; }

void UpcallTrace::write(std::ostream& out) const {
  const std::vector<gx::Json>& calls = recorder_.calls();
  auto upcall = upcalls_.begin();
  for (size_t i = 0; i <= calls.size(); ++i) {
    for (; upcall != upcalls_.end() && upcall->first == i; ++upcall)
      out << upcall->second.dump() << '\n';
    if (i < calls.size()) out << calls[i].dump() << '\n';
  }
}

}  // namespace panel
