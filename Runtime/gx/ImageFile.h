// Reading a picture file whole, for decodeImage. Only regular files are read: a FIFO would block
// and a device could be endless.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gx {

struct FileBytes {
  int32_t status;  // kImageDone, kImageNoFile, kImageNotReadable or kImageTooLarge
  std::vector<uint8_t> bytes;
};

FileBytes readImageFile(const std::string& path);

}  // namespace gx
