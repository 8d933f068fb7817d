// The upcall lines of --trace: one JSON object for each upcall the VM runs, placed among the
// drawing-service calls where the VM was asked to run the method, before the callee drew.
#pragma once

#include <ostream>
#include <utility>
#include <vector>

#include "gx/Recorder.h"
#include "panel/Values.h"

namespace panel {

class UpcallTrace {
 public:
  // Watches the VM's upcalls until destroyed; `names` gives the receivers' screen ids.
  UpcallTrace(vm::Vm& vm, const gx::Recorder& recorder, const Bindings& names);
  ~UpcallTrace();
  UpcallTrace(const UpcallTrace&) = delete;
  UpcallTrace& operator=(const UpcallTrace&) = delete;

  // Every recorded drawing call and upcall, in order, one JSON object per line.
  void write(std::ostream& out) const;
  // Each upcall line with the number of drawing calls recorded before it.
  const std::vector<std::pair<size_t, Json>>& upcalls() const { return upcalls_; }

 private:
  vm::Vm& vm_;
  const gx::Recorder& recorder_;
  // Each upcall line with the number of drawing calls recorded before it.
  std::vector<std::pair<size_t, Json>> upcalls_;
};

}  // namespace panel
