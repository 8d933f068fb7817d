// A module fixture that also logs the upcalls the VM runs, in order among the recorded drawing
// calls: "upcall draw(I)V on motor 5" for a virtual call, "... exact ..." for a direct one.
// Receivers the test named show their name, others their class in angle brackets.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/ModuleFixture.h"

namespace zelmo::test {

class UpcallLogTest : public ModuleTest {
 protected:
  UpcallLogTest() {
    vm.upcallObserver = [this](const vm::UpcallEvent& e) {
      std::string line = "upcall " + e.signature + " on " + nameOf(e.receiver);
      if (!e.isVirtual) line += " exact";
      for (int32_t a : e.args) line.append(" ").append(std::to_string(a));
      upcalls_.emplace_back(recorder.calls().size(), line);
    };
  }

  void name(jref object, const std::string& n) { names_[object] = n; }
  std::string nameOf(jref object) const {
    const auto found = names_.find(object);
    if (found != names_.end()) return found->second;
    return object ? "<" + vm.classOf(object).name() + ">" : "null";
  }

  // Drawing calls and upcalls since the last clearEvents(), in the order made.
  std::vector<std::string> events() const {
    const std::vector<std::string> drawnLines = recorder.lines();
    std::vector<std::string> out;
    size_t next = 0;
    for (const auto& [drawnBefore, line] : upcalls_) {
      while (next < drawnBefore && next < drawnLines.size()) out.push_back(drawnLines[next++]);
      out.push_back(line);
    }
    while (next < drawnLines.size()) out.push_back(drawnLines[next++]);
    return out;
  }
  // Only the upcall lines.
  std::vector<std::string> upcalls() const {
    std::vector<std::string> out;
    for (const auto& u : upcalls_) out.push_back(u.second);
    return out;
  }
  void clearEvents() {
    recorder.clear();
    upcalls_.clear();
  }

 private:
  std::map<jref, std::string> names_;
  std::vector<std::pair<size_t, std::string>> upcalls_;
};

}  // namespace zelmo::test
