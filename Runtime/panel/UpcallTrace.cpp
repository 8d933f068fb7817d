#include "panel/UpcallTrace.h"

namespace panel {

UpcallTrace::UpcallTrace(vm::Vm& vm, const gx::Recorder& recorder, const Bindings& names)
    : vm_(vm), recorder_(recorder) {
  vm_.upcallObserver = [this, &names](const vm::UpcallEvent& e) {
    std::string on = names.idOf(e.receiver);
    if (on.empty()) on = "<" + vm_.classOf(e.receiver).name() + ">";
    Json args = Json::array();
    for (const int32_t a : e.args) args.push_back(a);
    upcalls_.emplace_back(recorder_.calls().size(), Json{{"upcall", e.signature},
                                                         {"class", e.className},
                                                         {"on", on},
                                                         {"virtual", e.isVirtual},
                                                         {"args", args}});
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
