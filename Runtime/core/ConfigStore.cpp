#include "core/ConfigStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <optional>
#include <thread>
#include <utility>

#include "core/IniText.h"

namespace core {
namespace {

constexpr auto kLockPatience = std::chrono::seconds(2);

struct StoreState {
  std::string path;
  ConfigProblemReporter reporter;
  std::string reportedPath;  // the file whose problem was told already
};

StoreState& state() {
  static StoreState s;
  return s;
}

void reportOnce(const std::string& reason) {
  StoreState& s = state();
  if (s.reportedPath == s.path) return;
  s.reportedPath = s.path;
  if (s.reporter) s.reporter(s.path, reason);
}

// A file descriptor closed at the end of its scope.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Fd& operator=(Fd&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now, reporting whether the close (which may report a late write error) worked.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

enum class FileRead { Read, Missing, Failed };

// The whole file, with its mode when it exists.
FileRead readFile(const std::string& path, std::string& text, mode_t* mode = nullptr) {
  text.clear();
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) return FileRead::Missing;
    reportOnce(std::strerror(errno));
    return FileRead::Failed;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    reportOnce(S_ISDIR(info.st_mode) ? "it is a directory" : "it is not a regular file");
    return FileRead::Failed;
  }
  if (mode) *mode = info.st_mode & 07777;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) return FileRead::Read;
    if (n > 0) {
      text.append(buffer, static_cast<size_t>(n));
    } else if (errno != EINTR) {
      reportOnce(std::strerror(errno));
      return FileRead::Failed;
    }
  }
}

bool writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    text.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// The exclusive lock on FILE.lock, had within kLockPatience or not at all (an invalid Fd). It is
// released with the descriptor, also when the process dies.
Fd lockStore(const std::string& path) {
  Fd fd(::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
  if (fd.get() < 0) return fd;
  const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
  while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline)
      return Fd();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return fd;
}

std::string folderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

// Replaces the file by one holding `text`: temporary, fsync, rename, fsync of the folder.
bool replaceFile(const std::string& path, std::string_view text, std::optional<mode_t> mode) {
  const std::string temporary = path + ".tmp";
  ::unlink(temporary.c_str());  // left by a writer that died; we hold the lock
  Fd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (fd.get() < 0) return false;
  // The new file keeps the old one's permissions (the umask may have narrowed ours).
  const bool written = (!mode || ::fchmod(fd.get(), *mode) == 0) && writeAll(fd.get(), text) &&
                       ::fsync(fd.get()) == 0 && fd.close();
  if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  // Until the folder is synced the rename itself may be lost in a crash.
  Fd folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return folder.get() >= 0 && ::fsync(folder.get()) == 0;
}

}  // namespace

ConfigRead readConfigValue(std::string_view section, std::string_view key, std::string& value) {
  const std::string& path = state().path;
  std::string text;
  if (path.empty() || readFile(path, text) == FileRead::Failed) return ConfigRead::Failed;
  std::optional<std::string> found = ini::findValue(text, section, key);
  if (!found) return ConfigRead::Absent;
  value = std::move(*found);
  return ConfigRead::Found;
}

bool writeConfigValue(std::string_view section, std::string_view key, std::string_view value) {
  const std::string& path = state().path;
  if (path.empty() || !ini::isWritableSection(section) || !ini::isWritableKey(key) ||
      !ini::isWritableValue(value))
    return false;
  const Fd lock = lockStore(path);
  if (lock.get() < 0) return false;
  // Under the lock: another writer may have changed the file since anyone last read it.
  std::string text;
  mode_t mode = 0;
  const FileRead read = readFile(path, text, &mode);
  if (read == FileRead::Failed) return false;
  const std::string changed = ini::withValue(text, section, key, value);
  if (read == FileRead::Read && changed == text) return true;
  return replaceFile(path, changed,
                     read == FileRead::Read ? std::optional<mode_t>(mode) : std::nullopt);
}

void setConfigFile(std::string path) { state().path = std::move(path); }
const std::string& configFile() { return state().path; }
void setConfigProblemReporter(ConfigProblemReporter reporter) {
  state().reporter = std::move(reporter);
}

}  // namespace core
