#include "panel/Serve.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <thread>

#include "panel/CommandLine.h"
#include "panel/FileStamps.h"
#include "panel/PreviewPages.h"
#include "panel/PreviewServer.h"
#include "panel/RenderLauncher.h"

namespace panel {

namespace fs = std::filesystem;

namespace {

// How often the files are looked at: a save shows in the page well within half a second.
constexpr auto kPollInterval = std::chrono::milliseconds(40);
// An editor may write a file in more than one step; the render waits this long after a change.
constexpr auto kSettle = std::chrono::milliseconds(20);

volatile std::sig_atomic_t stopAsked = 0;
extern "C" void askToStop(int) { stopAsked = 1; }

// Ctrl-C and SIGTERM ask the serving loop to stop; a browser closing its connection early must
// not kill the process.
class SignalScope {
 public:
  SignalScope() {
    stopAsked = 0;
    struct sigaction action {};
    action.sa_handler = askToStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &oldInterrupt_);
    sigaction(SIGTERM, &action, &oldTerminate_);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &oldPipe_);
  }
  ~SignalScope() {
    sigaction(SIGINT, &oldInterrupt_, nullptr);
    sigaction(SIGTERM, &oldTerminate_, nullptr);
    sigaction(SIGPIPE, &oldPipe_, nullptr);
  }
  SignalScope(const SignalScope&) = delete;
  SignalScope& operator=(const SignalScope&) = delete;

 private:
  struct sigaction oldInterrupt_ {
  }, oldTerminate_{}, oldPipe_{};
};

std::string fileText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> linesIn(const fs::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(line);
  return lines;
}

// A folder of this run's own under the temporary folder, removed with it.
struct WorkFolder {
  WorkFolder() {
    std::string pattern = (fs::temp_directory_path() / "zelmo-serve-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("cannot make a temporary folder in " +
                               fs::temp_directory_path().string());
    path = pattern;
  }
  ~WorkFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  fs::path path;
};

class Preview {
 public:
  Preview(const ServeOptions& options, const RenderPreview& render, std::ostream& out)
      : options_(options),
        render_(render),
        out_(out),
        server_(fs::absolute(options.screen).parent_path()),
        launcher_([this] { return renderHere(); }) {}

  int run() {
    const int port = server_.start(options_.port);
    if (port < 0) {
      std::cerr << "zelmo-panel: cannot listen on 127.0.0.1:" << options_.port
                << " (another program may be using it; --port 0 takes any free port)\n";
      return 4;
    }
    // The address is given once there is a page to see.
    renderAndPublish();
    out_ << "zelmo-panel: serving " << options_.screen << " at http://127.0.0.1:" << port
         << "/ (Ctrl-C stops)" << std::endl;
    while (!stopAsked) {
      std::this_thread::sleep_for(kPollInterval);
      if (stopAsked || stamps_.changed().empty()) continue;
      std::this_thread::sleep_for(kSettle);
      renderAndPublish();
    }
    server_.stop();
    out_ << "zelmo-panel: stopped" << std::endl;
    return 0;
  }

 private:
  fs::path workFile(const char* name) const { return work_.path / name; }

  // Runs in a child of the launcher: its messages go to a file, and so does the list of files
  // it read.
  int renderHere() {
    const int messages = open(workFile("messages.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int null = open("/dev/null", O_WRONLY);
    if (messages >= 0) dup2(messages, STDERR_FILENO);
    if (null >= 0) dup2(null, STDOUT_FILENO);
    int code = 1;
    // Nothing may unwind out of the child into the loop of the process it was forked from.
    try {
      std::vector<std::string> files;
      code = render_({workFile("picture.png").string(), workFile("report.html").string()}, files);
      std::ofstream list(workFile("read.txt"));
      for (const std::string& file : files) list << file << '\n';
    } catch (const std::exception& e) {
      std::cerr << "zelmo-panel: unexpected failure: " << e.what() << '\n';
    } catch (...) {
      std::cerr << "zelmo-panel: unexpected failure\n";
    }
    std::cerr.flush();
    std::fflush(nullptr);
    return code;
  }

  // Renders in a process of its own, so that no module state is carried from one render to the
  // next; returns its exit code.
  int renderInChild(std::vector<std::string>& read) {
    std::error_code ignored;
    for (const char* name : {"picture.png", "report.html", "messages.txt", "read.txt"})
      fs::remove(workFile(name), ignored);
    out_.flush();
    const int status = launcher_.run();
    read = linesIn(workFile("read.txt"));
    if (status != -1 && WIFEXITED(status)) return WEXITSTATUS(status);
    std::ofstream note(workFile("messages.txt"), std::ios::app);
    if (status == -1)
      note << "zelmo-panel: cannot start a render process\n";
    else
      note << "zelmo-panel: the render stopped by signal " << WTERMSIG(status) << '\n';
    return 1;
  }

  void renderAndPublish() {
    const auto started = std::chrono::steady_clock::now();
    // Stamped before the render, so that a save during it brings another.
    std::vector<fs::path> watched = {options_.screen};
    for (const std::string& file : read_) watched.emplace_back(file);
    stamps_.reset(watched);
    std::vector<std::string> read;
    const int code = renderInChild(read);
    // What the render read is watched from now on; the configuration store it may have written
    // itself is stamped as it left it.
    if (!read.empty() || code == 0) read_ = read;
    for (const std::string& file : read_) stamps_.restamp(file);
    if (!options_.config.empty()) stamps_.restamp(options_.config);

    const uint64_t version = server_.version() + 1;
    const std::string messages = fileText(workFile("messages.txt"));
    const std::string name = fs::path(options_.screen).filename().string();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    out_ << "zelmo-panel: render " << version << " of " << name << ": ";
    if (code == 0) {
      server_.publish(livePage(fileText(workFile("report.html")), version),
                      fileText(workFile("picture.png")), eventData(version, true));
      out_ << "done in " << std::fixed << std::setprecision(2) << seconds << " s" << std::endl;
    } else {
      server_.publish(errorPage(name, fileText(options_.screen), messages, version), "",
                      eventData(version, false));
      out_ << "failed (exit code " << code << "); the page shows why" << std::endl;
    }
    out_ << messages << std::flush;
  }

  const ServeOptions& options_;
  const RenderPreview& render_;
  std::ostream& out_;
  WorkFolder work_;
  PreviewServer server_;
  // Made before the server starts its threads; see RenderLauncher.
  RenderLauncher launcher_;
  FileStamps stamps_;
  std::vector<std::string> read_;  // files besides the screen that the last render read
};

}  // namespace

ServeOptions parseServeCommandLine(const std::vector<std::string>& args) {
  ServeOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
      return args[++i];
    };
    if (arg == "--port") {
      const std::string& text = value();
      const bool digits = !text.empty() && text.size() <= 5 &&
                          text.find_first_not_of("0123456789") == std::string::npos;
      if (!digits || std::stoi(text) > 65535)
        throw UsageError("--port needs a port number from 0 to 65535, got \"" + text + "\"");
      options.port = std::stoi(text);
    } else if (arg == "--module") {
      options.module = value();
    } else if (arg == "--config") {
      options.config = value();
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw UsageError("unknown option " + arg + " for serve");
    } else if (options.screen.empty()) {
      options.screen = arg;
    } else {
      throw UsageError("serve shows one screen; got " + options.screen + " and " + arg);
    }
  }
  if (options.screen.empty()) throw UsageError("serve needs a screen file");
  return options;
}

int runServe(const ServeOptions& options, const RenderPreview& render, std::ostream& out) {
  if (!fs::is_regular_file(options.screen)) {
    std::cerr << "zelmo-panel: no screen file " << options.screen << '\n';
    return 2;
  }
  const SignalScope signals;
  Preview preview(options, render, out);
  return preview.run();
}

}  // namespace panel
