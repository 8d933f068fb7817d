#include "panel/FileStamps.h"

#include <sys/stat.h>

namespace panel {

FileStamp stampOf(const std::filesystem::path& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0) return {};
  FileStamp stamp;
  stamp.exists = true;
  stamp.size = static_cast<uint64_t>(info.st_size);
  stamp.modifiedNs =
      static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
  stamp.inode = static_cast<uint64_t>(info.st_ino);
  return stamp;
}

void FileStamps::reset(const std::vector<std::filesystem::path>& files) {
  stamps_.clear();
  for (const std::filesystem::path& file : files) restamp(file);
}

void FileStamps::restamp(const std::filesystem::path& file) { stamps_[file] = stampOf(file); }

std::vector<std::filesystem::path> FileStamps::changed() const {
  std::vector<std::filesystem::path> files;
  for (const auto& [file, stamp] : stamps_)
    if (stampOf(file) != stamp) files.push_back(file);
  return files;
}

std::vector<std::filesystem::path> FileStamps::files() const {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : stamps_) files.push_back(entry.first);
  return files;
}

}  // namespace panel
