// zelmo-panel serve: a live preview of one screen for the person editing it. The screen is
// rendered anew, in a child process, whenever it or a picture or configuration file it reads
// changes on disk, and the report page in the browser reloads with it.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace panel {

struct ServeOptions {
  std::string screen;  // the screen file
  int port = 8484;     // --port: 0 for any free port
  std::string module;  // --module: the module to load, or empty
  std::string config;  // --config: the configuration store's file, or empty
};

// `args` follow the word "serve". Throws UsageError.
ServeOptions parseServeCommandLine(const std::vector<std::string>& args);

// What one render of the preview writes.
struct PreviewFiles {
  std::string picture;  // the PNG
  std::string report;   // the report page
};

// Renders the screen as zelmo-panel would, writing `files`, and returns its exit code with its
// messages on standard error. `read` gets every file the render read besides the screen (pictures,
// the configuration store), found or not. Runs in a child process of its own each time.
using RenderPreview = std::function<int(const PreviewFiles& files, std::vector<std::string>& read)>;

// Serves until SIGINT or SIGTERM, printing the address to `out`. Returns 0 after a clean stop, 2
// when the screen file is missing, 4 when the port cannot be listened on.
int runServe(const ServeOptions& options, const RenderPreview& render, std::ostream& out);

}  // namespace panel
