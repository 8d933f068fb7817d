// The command line of zelmo-panel.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace panel {

struct Options {
  std::string screen;     // the screen file to render
  std::string output;     // -o: the PNG to write
  std::string trace;      // --trace: JSON Lines of drawing-service calls, or empty
  std::string report;     // --report: the HTML page of the run, or empty
  std::string module;     // --module: the module to load, or empty for the one beside us
  std::string compare;    // --compare: a reference PNG the output must match, or empty
  int64_t tolerance = 0;  // --tolerance: how many pixels may differ from the reference
  std::string config;     // --config: the configuration store's file, or empty for a temporary one
  std::string describe;   // --describe: print the reference of the natives matching this
  bool strict = false;    // --strict: a warning fails the run
  bool listNatives = false;
  bool schema = false;
  bool help = false;
};

// A command line that cannot be obeyed; the caller prints it with the usage text.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Throws UsageError. `args` excludes the program name.
Options parseCommandLine(const std::vector<std::string>& args);
std::string usageText();

}  // namespace panel
