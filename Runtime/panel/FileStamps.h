// What a set of files looked like on disk when last seen, to tell when any of them changed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace panel {

// How one file stood: missing, or its size, modification time and inode (an editor that saves by
// writing a new file and renaming it over the old one changes the inode).
struct FileStamp {
  bool exists = false;
  uint64_t size = 0;
  int64_t modifiedNs = 0;
  uint64_t inode = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const std::filesystem::path& file);

class FileStamps {
 public:
  // Forgets every file, then stamps each of `files`.
  void reset(const std::vector<std::filesystem::path>& files);
  // Stamps `file` as it stands now, adding it when new.
  void restamp(const std::filesystem::path& file);
  // The files whose stamp differs from the one taken, in the order of their paths.
  std::vector<std::filesystem::path> changed() const;
  std::vector<std::filesystem::path> files() const;

 private:
  std::map<std::filesystem::path, FileStamp> stamps_;
};

}  // namespace panel
