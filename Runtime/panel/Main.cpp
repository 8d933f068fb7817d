// zelmo-panel: loads ZelmoGraphics.dlm as the panel runtime does and renders a JSON screen.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/SystemLanguages.h"
#include "core/TimeZone.h"
#include "core/Utf.h"
#include "gx/RasterBackend.h"
#include "gx/Recorder.h"
#include "panel/Check.h"
#include "panel/CommandLine.h"
#include "panel/Compare.h"
#include "panel/ConfigScope.h"
#include "panel/Report.h"
#include "panel/Runner.h"
#include "panel/Screen.h"
#include "panel/ScreenError.h"
#include "panel/ScreenSchema.h"
#include "panel/Serve.h"
#include "panel/UpcallTrace.h"
#include "panel/natives/NativeDocs.h"
#include "vm/ManagedLibrary.h"
#include "vm/ModuleLoader.h"
#include "vm/Vm.h"

namespace {

enum ExitCode {
  kDone = 0,
  kNativeFailed = 1,
  kBadInput = 2,
  kNoModule = 3,
  kNotWritten = 4,
  kDiffersFromReference = 5,
  kWarned = 6
};

// Why the run stopped, with the exit code that says so.
struct Stop {
  ExitCode code;
  std::string message;
};

// The VM, the managed library and the module with every class registered.
struct LoadedModule {
  explicit LoadedModule(const std::string& path) {
    vm::defineManagedLibrary(vm);
    try {
      module = std::make_unique<vm::Module>(path);
      module->initAllClasses();
    } catch (const std::exception& e) {
      throw Stop{kNoModule, e.what()};
    }
  }
  vm::Vm vm;
  std::unique_ptr<vm::Module> module;
};

// Installs a drawing service for the run and puts the null one back afterwards.
struct ServiceScope {
  explicit ServiceScope(gx::Backend* backend) { gx::installService(backend); }
  ~ServiceScope() { gx::installService(nullptr); }
};

void listNatives(const std::string& modulePath) {
  LoadedModule loaded(modulePath);
  for (const vm::NativeMethod& native : loaded.vm.natives())
    std::cout << native.className << ' ' << native.signature << '\n';
}

void describeNatives(const std::string& name) {
  const std::string text = panel::natives::describeMatching(name);
  if (text.empty())
    throw Stop{kBadInput, "no native's class or signature holds \"" + name +
                              "\" (zelmo-panel --list-natives prints them all)"};
  std::cout << text;
}

void printSchema() {
  vm::Vm vm;
  vm::defineManagedLibrary(vm);
  std::cout << panel::screenSchema(vm).dump(1) << '\n';
}

void writeTrace(const std::string& path, const panel::UpcallTrace& trace) {
  std::ofstream out(path, std::ios::binary);
  trace.write(out);
  out.flush();
  if (!out) throw Stop{kNotWritten, "cannot write the trace " + path};
}

void compareWithReference(const panel::Options& options) {
  const panel::PictureComparison pictures(options.output, options.compare);
  const panel::Comparison& result = pictures.result();
  if (result.differing <= options.tolerance) return;
  const std::string diffPath = panel::differencePathFor(options.output);
  std::string error;
  if (!pictures.writeDifferencePng(diffPath, &error))
    throw Stop{kNotWritten, "cannot write " + diffPath + ": " + error};
  throw Stop{kDiffersFromReference, "compared with " + options.compare + " (tolerance " +
                                        std::to_string(options.tolerance) +
                                        "): " + panel::describeDifference(result) +
                                        "; the differences are marked in " + diffPath};
}

void writeReport(const std::string& path, const panel::Report& report,
                 const panel::UpcallTrace& upcalls) {
  std::ofstream out(path, std::ios::binary);
  out << report.page(upcalls.upcalls());
  out.flush();
  if (!out) throw Stop{kNotWritten, "cannot write the report " + path};
}

// Every error of the screen file, one per line, each placed at its line and column.
struct ScreenErrors {
  std::vector<std::string> lines;
  bool cut = false;  // stopped at the limit
};

void checkScreen(const panel::Diagnostics& diagnostics) {
  if (diagnostics.errors().empty()) return;
  throw ScreenErrors{diagnostics.errors(), diagnostics.full()};
}

// `filesRead`, when given, gets every file the run read besides the screen, found or not.
void render(const panel::Options& options, const std::string& modulePath,
            std::vector<std::string>* filesRead = nullptr) {
  if (filesRead && !options.config.empty()) filesRead->push_back(options.config);
  if (!options.compare.empty() && panel::sameFile(options.output, options.compare))
    throw Stop{kBadInput, "-o " + options.output +
                              " is the reference it is compared with; it would be overwritten"};
  std::unique_ptr<panel::LoadedScreen> loadedScreen;
  try {
    loadedScreen = panel::loadScreen(options.screen);
  } catch (const panel::ScreenError& e) {
    throw ScreenErrors{{e.what()}};  // names the file, and where the JSON breaks
  }
  const panel::Screen& screen = loadedScreen->screen;
  panel::Diagnostics& diagnostics = loadedScreen->diagnostics;
  LoadedModule loaded(modulePath);
  gx::RasterBackend raster(screen.width, screen.height, screen.layers, screen.background);
  // Image paths in a screen are relative to the screen file, wherever the panel is run from.
  raster.setImageFolder(std::filesystem::absolute(options.screen).parent_path().string());
  gx::Recorder recorder(&raster);
  const bool tracing = !options.trace.empty();
  const bool reporting = !options.report.empty();
  ServiceScope service(tracing || reporting ? static_cast<gx::Backend*>(&recorder) : &raster);
  std::optional<panel::Report> report;
  if (reporting)
    report.emplace(raster, recorder, screen, std::filesystem::path(options.screen).filename());

  // Every trace line names the screen call that caused it.
  panel::CallHooks hooks;
  hooks.before = [&](size_t index) {
    recorder.setCall(index);
    if (report) report->beforeCall(index);
  };
  size_t substitutions = 0;
  hooks.after = [&](size_t index) {
    // The drawing service falls back to its default family for one that is not installed.
    if (raster.fontSubstitutions() != substitutions) {
      substitutions = raster.fontSubstitutions();
      diagnostics.warning("the font family asked is not installed; another family is drawn",
                          &screen.calls[index]);
    }
    if (report) report->afterCall(index);
    recorder.setCall(std::nullopt);
  };
  recorder.setCall(std::nullopt);

  const panel::ConfigScope config(options.config);
  std::vector<std::u16string> languages;
  for (const std::string& code : screen.systemLanguages)
    languages.push_back(core::utf16FromUtf8(code));
  core::setSystemLanguageCodes(languages);
  core::setTimeZoneOffset(screen.timeZoneOffset);

  panel::Bindings names;
  std::optional<panel::UpcallTrace> upcalls;
  if (tracing || reporting) upcalls.emplace(loaded.vm, recorder, names);
  if (!diagnostics.full()) {
    try {
      panel::buildObjects(loaded.vm, screen.objects, names, &diagnostics);
      panel::applyStatics(loaded.vm, screen.statics, names, &diagnostics);
      panel::runCalls(loaded.vm, screen.calls, names, {}, hooks, &diagnostics, screen.layers);
    } catch (const panel::TooManyErrors&) {
      // the errors so far are reported below
    }
  }
  if (filesRead)
    filesRead->insert(filesRead->end(), raster.imageFiles().begin(), raster.imageFiles().end());
  checkScreen(diagnostics);
  for (const std::string& warning : diagnostics.warnings()) std::cerr << warning << '\n';
  // A path text that does not parse draws nothing and is reported; the run still succeeds.
  for (const std::string& message : raster.pathErrors())
    std::cerr << "zelmo-panel: " << options.screen << ": " << message << '\n';

  std::string error;
  if (!raster.writePng(options.output, &error))
    throw Stop{kNotWritten, "cannot write " + options.output + ": " + error};
  if (tracing) writeTrace(options.trace, *upcalls);
  if (report) writeReport(options.report, *report, *upcalls);
  if (!options.compare.empty()) compareWithReference(options);
  if (options.strict && !diagnostics.warnings().empty())
    throw Stop{kWarned, "--strict: the screen has warnings"};
}

// Runs `work` and turns the way it stopped into the exit code, with the message on stderr.
int exitCodeOf(const std::function<void()>& work) {
  try {
    work();
    return kDone;
  } catch (const Stop& stop) {
    std::cerr << "zelmo-panel: " << stop.message << '\n';
    return stop.code;
  } catch (const panel::ScreenError& e) {
    std::cerr << "zelmo-panel: " << e.what() << '\n';
    return kBadInput;
  } catch (const ScreenErrors& errors) {
    for (const std::string& line : errors.lines) std::cerr << line << '\n';
    if (errors.cut)
      std::cerr << "zelmo-panel: stopped after " << errors.lines.size() << " errors\n";
    return kBadInput;
  } catch (const panel::NativeFailure& e) {
    std::cerr << "zelmo-panel: a native failed: " << e.what() << '\n';
    return kNativeFailed;
  } catch (const std::exception& e) {
    // check and serve run this in a forked child, which must not unwind into their loops.
    std::cerr << "zelmo-panel: unexpected failure: " << e.what() << '\n';
    return kNativeFailed;
  }
}

// Runs a subcommand; a command line it cannot obey is exit 2, said with the usage text.
int withUsage(const std::function<int()>& subcommand) {
  try {
    return subcommand();
  } catch (const panel::UsageError& e) {
    std::cerr << "zelmo-panel: " << e.what() << "\n\n" << panel::usageText();
    return kBadInput;
  }
}

int check(const std::vector<std::string>& args) {
  return withUsage([&] {
    const panel::CheckOptions checkOptions = panel::parseCheckCommandLine(args);
    const std::string modulePath =
        checkOptions.module.empty() ? vm::defaultModulePath() : checkOptions.module;
    const auto renderOne = [&](const std::string& screen, const std::string& output) {
      panel::Options options;
      options.screen = screen;
      options.output = output;
      return exitCodeOf([&] { render(options, modulePath); });
    };
    return panel::runCheck(checkOptions, renderOne, std::cout);
  });
}

int serve(const std::vector<std::string>& args) {
  return withUsage([&] {
    const panel::ServeOptions serveOptions = panel::parseServeCommandLine(args);
    const std::string modulePath =
        serveOptions.module.empty() ? vm::defaultModulePath() : serveOptions.module;
    const auto renderPreview = [&](const panel::PreviewFiles& files,
                                   std::vector<std::string>& read) {
      panel::Options options;
      options.screen = serveOptions.screen;
      options.output = files.picture;
      options.report = files.report;
      options.config = serveOptions.config;
      return exitCodeOf([&] { render(options, modulePath, &read); });
    };
    return panel::runServe(serveOptions, renderPreview, std::cout);
  });
}

int run(const std::vector<std::string>& args) {
  if (!args.empty() && args[0] == "check")
    return check(std::vector<std::string>(args.begin() + 1, args.end()));
  if (!args.empty() && args[0] == "serve")
    return serve(std::vector<std::string>(args.begin() + 1, args.end()));
  panel::Options options;
  try {
    options = panel::parseCommandLine(args);
  } catch (const panel::UsageError& e) {
    std::cerr << "zelmo-panel: " << e.what() << "\n\n" << panel::usageText();
    return kBadInput;
  }
  if (options.help) {
    std::cout << panel::usageText();
    return kDone;
  }
  const std::string modulePath = options.module.empty() ? vm::defaultModulePath() : options.module;
  return exitCodeOf([&] {
    if (options.schema)
      printSchema();
    else if (!options.describe.empty())
      describeNatives(options.describe);
    else if (options.listNatives)
      listNatives(modulePath);
    else
      render(options, modulePath);
  });
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "zelmo-panel: unexpected failure: " << e.what() << '\n';
  } catch (...) {
    std::cerr << "zelmo-panel: unexpected failure\n";
  }
  return kNativeFailed;
}
