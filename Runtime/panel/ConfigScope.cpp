#include "panel/ConfigScope.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "core/ConfigStore.h"

namespace panel {
namespace {

void report(const std::string& path, const std::string& reason) {
  std::cerr << "zelmo-panel: " << path << ": cannot read the configuration store (" << reason
            << "); its keys read as absent and writes fail\n";
}

}  // namespace

ConfigScope::ConfigScope(const std::string& file) {
  core::setConfigProblemReporter(report);
  std::string path = file;
  if (path.empty()) {
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/zelmo-panel-XXXXXX";
    if (::mkdtemp(folder.data())) {
      temporaryFolder_ = folder;
      path = folder + "/config.ini";
    } else {
      std::cerr << "zelmo-panel: cannot make a temporary configuration store in " << folder << " ("
                << std::strerror(errno) << "); configuration writes fail\n";
    }
  } else {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) {
      const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd >= 0)
        ::close(fd);
      else
        std::cerr << "zelmo-panel: " << path << ": cannot create the configuration store ("
                  << std::strerror(errno) << "); its keys read as absent and writes fail\n";
    }
  }
  core::setConfigFile(path);
}

ConfigScope::~ConfigScope() {
  core::setConfigFile("");
  core::setConfigProblemReporter(nullptr);
  std::error_code ignored;
  if (!temporaryFolder_.empty()) std::filesystem::remove_all(temporaryFolder_, ignored);
}

}  // namespace panel
