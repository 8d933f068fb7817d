// Screen files through the loader and the call runner, as zelmo-panel runs them: the input is the
// file's text. A screen either runs or stops with a clear error (ScreenError); anything else a
// screen can provoke (a crash, a native that unbalances the stacks, an exception the panel does
// not expect) is a finding. Screens with surfaces above a small size draw through the null
// drawing service so that an input cannot ask for gigabytes of pixels.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "core/FatalError.h"
#include "gx/RasterBackend.h"
#include "panel/Runner.h"
#include "panel/Screen.h"
#include "panel/ScreenError.h"
#include "vm/ManagedLibrary.h"
#include "vm/ModuleLoader.h"
#include "vm/Vm.h"

extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libfreetype\nleak:libcairo\nleak:libpixman\n";
}

namespace {

constexpr size_t kMaxInput = 64 * 1024;
constexpr int64_t kMaxRasterPixels = 256 * 256;

vm::Module& module() {
  static vm::Module* loaded = new vm::Module(ZELMO_MODULE_PATH);
  return *loaded;
}

struct ServiceScope {
  explicit ServiceScope(gx::Backend* backend) { gx::installService(backend); }
  ~ServiceScope() { gx::installService(nullptr); }
};

void runScreen(const std::string& text) {
  panel::Json document;
  try {
    document = panel::Json::parse(text);
  } catch (const panel::Json::parse_error&) {
    return;  // zelmo-panel reports "not valid JSON"
  }
  const panel::Screen screen = panel::parseScreen(document);
  vm::Vm vm(size_t{256} << 20);
  vm::defineManagedLibrary(vm);
  module().initAllClasses();
  const bool small = int64_t{screen.width} * screen.height * screen.layers <= kMaxRasterPixels;
  std::optional<gx::RasterBackend> raster;
  if (small) raster.emplace(screen.width, screen.height, screen.layers, screen.background);
  ServiceScope service(raster ? &*raster : nullptr);
  panel::Bindings names;
  panel::at("screen", [&] {
    panel::buildObjects(vm, screen.objects, names);
    panel::applyStatics(vm, screen.statics, names);
    panel::runCalls(vm, screen.calls, names);
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kMaxInput) return -1;  // not added to the corpus
  core::clearFatalReports();
  try {
    runScreen(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const panel::ScreenError&) {
    // A clear error naming the place: what a bad screen must get.
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ScreenFuzz: unexpected failure: %s\n", e.what());
    std::abort();
  }
  return 0;
}
