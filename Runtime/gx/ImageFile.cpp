#include "gx/ImageFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "gx/ImageDecode.h"

namespace gx {

namespace {

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

FileBytes readImageFile(const std::string& path) {
  if (path.empty()) return {kImageNoFile, {}};
  // O_NONBLOCK: opening a FIFO for reading must not wait for a writer.
  const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
  if (file.fd < 0) {
    const bool missing = errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG;
    return {missing ? kImageNoFile : kImageNotReadable, {}};
  }
  struct stat info {};
  if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return {kImageNotReadable, {}};
  if (info.st_size < 0 || static_cast<uint64_t>(info.st_size) > kMaxImageFileBytes)
    return {kImageTooLarge, {}};
  FileBytes out{kImageDone, std::vector<uint8_t>(static_cast<size_t>(info.st_size))};
  size_t done = 0;
  while (done < out.bytes.size()) {
    const ssize_t n = ::read(file.fd, out.bytes.data() + done, out.bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {kImageNotReadable, {}};
    if (n == 0) break;  // the file shrank since it was measured
    done += static_cast<size_t>(n);
  }
  out.bytes.resize(done);
  return out;
}

}  // namespace gx
