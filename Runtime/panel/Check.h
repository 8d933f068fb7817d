// zelmo-panel check: renders many screens, in parallel, and compares each with its reference
// picture, so that a folder of screens is regression-tested in one command.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace panel {

struct CheckOptions {
  std::vector<std::string> inputs;  // screen files, and folders whose *.json files are screens
  std::string references;           // --references: the folder of NAME.png
  bool update = false;              // --update: write the references that are missing or differ
  int64_t tolerance = 0;            // --tolerance: pixels that may differ
  int colourTolerance = 0;          // --colour-tolerance: per channel, 0 to 255
  int jobs = 0;                     // --jobs: screens rendered at once; 0 for one per core
  std::string junit;                // --junit: the JUnit XML file to write, or empty
  std::string module;               // --module: the module to load, or empty
};

// `args` follow the word "check". Throws UsageError.
CheckOptions parseCheckCommandLine(const std::vector<std::string>& args);

// Renders `screen` to the PNG `output` as zelmo-panel would and returns its exit code, with its
// message on standard error. Called in a child process of its own for each screen, so that the
// module's process-wide state is never shared between screens.
using RenderScreen = std::function<int(const std::string& screen, const std::string& output)>;

// Prints one line per screen, then a summary, to `out`. Returns 0 when every screen matches its
// reference, 2 when any screen has an error, else 5.
int runCheck(const CheckOptions& options, const RenderScreen& render, std::ostream& out);

}  // namespace panel
