#include "panel/Check.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <thread>

#include "panel/CommandLine.h"
#include "panel/Compare.h"
#include "panel/JUnitXml.h"
#include "panel/ScreenError.h"

namespace fs = std::filesystem;

namespace panel {
namespace {

constexpr int kAllMatch = 0;
constexpr int kBadInput = 2;
constexpr int kDiffers = 5;

int64_t numberOf(const std::string& option, const std::string& text, int64_t low, int64_t high) {
  int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
    throw UsageError(option + " needs a whole number from " + std::to_string(low) + " to " +
                     std::to_string(high) + ", got \"" + text + "\"");
  return value;
}

struct ScreenFile {
  std::string name;  // the file's name without .json: its reference is NAME.png
  fs::path path;
};

// The screens in the order given, each folder's *.json files sorted by name.
std::vector<ScreenFile> screensOf(const std::vector<std::string>& inputs) {
  std::vector<ScreenFile> screens;
  for (const std::string& input : inputs) {
    std::error_code error;
    if (fs::is_directory(input, error)) {
      std::vector<fs::path> files;
      for (const auto& entry : fs::directory_iterator(input))
        if (entry.path().extension() == ".json" && entry.is_regular_file())
          files.push_back(entry.path());
      std::sort(files.begin(), files.end());
      for (const fs::path& file : files) screens.push_back({file.stem().string(), file});
    } else if (fs::is_regular_file(input, error)) {
      screens.push_back({fs::path(input).stem().string(), input});
    } else {
      throw UsageError(input + " is neither a screen file nor a folder");
    }
  }
  std::set<std::string> names;
  for (const ScreenFile& screen : screens)
    if (!names.insert(screen.name).second)
      throw UsageError("two screens are named " + screen.name +
                       ", and both would be compared with " + screen.name + ".png");
  return screens;
}

enum class Outcome { Ok, Differs, NoReference, Error, Written };

struct Result {
  Outcome outcome = Outcome::Error;
  std::string detail;
  double seconds = 0;
};

// A folder for the rendered pictures, removed with everything in it at the end of the check.
struct WorkFolder {
  WorkFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zelmo-check-XXXXXX";
    if (!mkdtemp(pattern.data()))
      throw UsageError("cannot make a work folder " + pattern + ": " + std::strerror(errno));
    path = pattern;
  }
  ~WorkFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  fs::path path;
};

// The message a screen's run left on standard error, on one line and without our prefix.
std::string messageIn(const fs::path& file) {
  std::ifstream in(file);
  std::string message, line;
  const std::string prefix = "zelmo-panel: ";
  while (std::getline(in, line)) {
    if (line.rfind(prefix, 0) == 0) line.erase(0, prefix.size());
    if (line.empty()) continue;
    message += (message.empty() ? "" : "; ") + line;
  }
  return message;
}

class Checker {
 public:
  Checker(const CheckOptions& options, const RenderScreen& render, std::ostream& out)
      : options_(options), render_(render), out_(out) {}

  int run() {
    screens_ = screensOf(options_.inputs);
    results_.resize(screens_.size());
    if (options_.update) fs::create_directories(options_.references);
    renderAll();
    printSummary();
    if (!options_.junit.empty()) writeJUnit();
    return exitCode();
  }

 private:
  fs::path renderedPng(size_t i) const { return work_.path / (screens_[i].name + ".png"); }
  fs::path errorText(size_t i) const { return work_.path / (screens_[i].name + ".err"); }
  fs::path reference(size_t i) const {
    return fs::path(options_.references) / (screens_[i].name + ".png");
  }
  fs::path differencePicture(size_t i) const {
    return fs::path(options_.references) / (screens_[i].name + ".diff.png");
  }

  // Children render, `jobs` at a time; this process forks them from its only thread, and judges
  // and prints each result in the order of the screens.
  void renderAll() {
    unsigned jobs = static_cast<unsigned>(options_.jobs);
    if (jobs == 0) jobs = std::max(1u, std::thread::hardware_concurrency());
    std::map<pid_t, size_t> running;
    std::vector<std::chrono::steady_clock::time_point> started(screens_.size());
    std::vector<bool> done(screens_.size());
    size_t next = 0, printed = 0;
    while (next < screens_.size() || !running.empty()) {
      while (running.size() < jobs && next < screens_.size()) {
        started[next] = std::chrono::steady_clock::now();
        const pid_t child = start(next);
        if (child > 0) {
          running[child] = next++;
          continue;
        }
        results_[next] = {Outcome::Error, std::string("cannot start: ") + std::strerror(errno)};
        done[next++] = true;
      }
      int status = 0;
      const pid_t child = running.empty() ? 0 : waitpid(-1, &status, 0);
      if (child < 0 && errno == EINTR) continue;
      if (const auto found = running.find(child); found != running.end()) {
        const size_t i = found->second;
        running.erase(found);
        judge(i, status);
        results_[i].seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started[i]).count();
        done[i] = true;
      }
      for (; printed < screens_.size() && done[printed]; ++printed) printLine(printed);
    }
  }

  pid_t start(size_t i) {
    std::cout.flush();
    out_.flush();
    const pid_t child = fork();
    if (child != 0) return child;
    const int err = open(errorText(i).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int null = open("/dev/null", O_WRONLY);
    if (err >= 0) dup2(err, STDERR_FILENO);
    if (null >= 0) dup2(null, STDOUT_FILENO);
    const int code = render_(screens_[i].path.string(), renderedPng(i).string());
    std::cerr.flush();
    std::fflush(nullptr);
    // No exit handlers: they belong to the parent, whose state the child shares.
    _exit(code);
  }

  void judge(size_t i, int status) {
    Result& result = results_[i];
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::string message = messageIn(errorText(i));
      if (WIFSIGNALED(status))
        message += (message.empty() ? "" : "; ") + std::string("stopped by signal ") +
                   std::to_string(WTERMSIG(status));
      result = {Outcome::Error, message.empty() ? "failed without a message" : message};
      return;
    }
    std::error_code ignored;
    if (!fs::exists(reference(i))) {
      result = {Outcome::NoReference, reference(i).string() + " does not exist"};
      if (options_.update) write(i, "it was missing");
      return;
    }
    try {
      const PictureComparison pictures(renderedPng(i).string(), reference(i).string(),
                                       options_.colourTolerance);
      const Comparison& comparison = pictures.result();
      if (comparison.differing <= options_.tolerance) {
        result = {Outcome::Ok, ""};
        fs::remove(differencePicture(i), ignored);  // from an earlier check, now stale
        return;
      }
      result = {Outcome::Differs, describeDifference(comparison)};
      if (options_.update) {
        write(i, std::to_string(comparison.differing) + " pixels differed");
        return;
      }
      std::string error;
      if (pictures.writeSideBySidePng(differencePicture(i).string(), &error))
        result.detail += "; see " + differencePicture(i).string();
      else
        result.detail += "; cannot write " + differencePicture(i).string() + ": " + error;
    } catch (const ScreenError& e) {
      result = {Outcome::Error, e.what()};
    }
  }

  // Makes the rendered picture the reference.
  void write(size_t i, const std::string& why) {
    std::error_code error;
    fs::copy_file(renderedPng(i), reference(i), fs::copy_options::overwrite_existing, error);
    if (error) {
      results_[i] = {Outcome::Error,
                     "cannot write " + reference(i).string() + ": " + error.message()};
      return;
    }
    fs::remove(differencePicture(i), error);
    results_[i] = {Outcome::Written, "wrote " + reference(i).string() + " (" + why + ")"};
  }

  void printLine(size_t i) {
    static const char* const kWords[] = {"ok", "differs", "no reference", "error", "updated"};
    const Result& result = results_[i];
    std::string word = kWords[static_cast<int>(result.outcome)];
    word.resize(std::max<size_t>(word.size(), 13), ' ');
    out_ << word << screens_[i].name << (result.detail.empty() ? "" : ": ") << result.detail
         << std::endl;
  }

  size_t count(Outcome outcome) const {
    return static_cast<size_t>(std::count_if(
        results_.begin(), results_.end(), [&](const Result& r) { return r.outcome == outcome; }));
  }

  void printSummary() {
    out_ << screens_.size() << (screens_.size() == 1 ? " screen: " : " screens: ")
         << count(Outcome::Ok) << " ok, " << count(Outcome::Differs) << " differ, "
         << count(Outcome::NoReference) << " without a reference, " << count(Outcome::Error)
         << " with errors";
    if (options_.update) out_ << ", " << count(Outcome::Written) << " references written";
    out_ << std::endl;
  }

  void writeJUnit() {
    std::vector<JUnitCase> cases;
    for (size_t i = 0; i < screens_.size(); ++i) {
      const Result& result = results_[i];
      JUnitCase c{screens_[i].name, screens_[i].path.string(), result.seconds,
                  JUnitCase::Outcome::Passed, result.detail};
      if (result.outcome == Outcome::Differs || result.outcome == Outcome::NoReference)
        c.outcome = JUnitCase::Outcome::Failed;
      if (result.outcome == Outcome::Error) c.outcome = JUnitCase::Outcome::Error;
      cases.push_back(c);
    }
    std::ofstream file(options_.junit, std::ios::binary);
    writeJUnitXml(file, "zelmo-panel check", cases);
    file.flush();
    if (!file) {
      std::cerr << "zelmo-panel: cannot write " << options_.junit << '\n';
      junitFailed_ = true;
    }
  }

  int exitCode() const {
    if (count(Outcome::Error) > 0 || junitFailed_) return kBadInput;
    if (count(Outcome::Differs) > 0 || count(Outcome::NoReference) > 0) return kDiffers;
    return kAllMatch;
  }

  const CheckOptions& options_;
  const RenderScreen& render_;
  std::ostream& out_;
  WorkFolder work_;
  std::vector<ScreenFile> screens_;
  std::vector<Result> results_;
  bool junitFailed_ = false;
};

}  // namespace

CheckOptions parseCheckCommandLine(const std::vector<std::string>& args) {
  CheckOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
      return args[++i];
    };
    if (arg == "--references") {
      options.references = value();
    } else if (arg == "--update") {
      options.update = true;
    } else if (arg == "--tolerance") {
      options.tolerance = numberOf(arg, value(), 0, INT64_C(999999999999));
    } else if (arg == "--colour-tolerance") {
      options.colourTolerance = static_cast<int>(numberOf(arg, value(), 0, 255));
    } else if (arg == "--jobs") {
      options.jobs = static_cast<int>(numberOf(arg, value(), 1, 1024));
    } else if (arg == "--junit") {
      options.junit = value();
    } else if (arg == "--module") {
      options.module = value();
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw UsageError("unknown option of check: " + arg);
    } else {
      options.inputs.push_back(arg);
    }
  }
  if (options.inputs.empty()) throw UsageError("check needs screen files or folders");
  if (options.references.empty()) throw UsageError("check needs --references FOLDER");
  return options;
}

int runCheck(const CheckOptions& options, const RenderScreen& render, std::ostream& out) {
  return Checker(options, render, out).run();
}

}  // namespace panel
