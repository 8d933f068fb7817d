// The configuration store: one INI file (IniText.h) that other tools share, read afresh at every
// call and changed one value at a time.
//
// A missing file reads as empty. A file that exists but cannot be read fails every call. A write
// takes an exclusive flock(2) on FILE.lock beside the file (waiting 2 s at most, then failing),
// re-reads the file under it, writes the new text to FILE.tmp in the same folder, fsyncs it,
// renames it over the file and fsyncs the folder; on any failure the temporary is removed and
// the write fails. Readers take no lock: they see the old file or the new one, never a mix.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace core {

// The file of the store. Empty (the start-up state): there is no store and every call fails.
void setConfigFile(std::string path);
const std::string& configFile();

// Told once per file, at the first call that finds the file unreadable, with the reason.
using ConfigProblemReporter =
    std::function<void(const std::string& path, const std::string& reason)>;
void setConfigProblemReporter(ConfigProblemReporter reporter);

enum class ConfigRead { Found, Absent, Failed };

// The value of `key` in `section`, UTF-8.
ConfigRead readConfigValue(std::string_view section, std::string_view key, std::string& value);

// Sets `key` in `section` to `value` (UTF-8). Fails for a name or value that would not read back
// as itself (a line break, a key with a delimiter, ...), when the lock is not had within 2 s, or
// when the file cannot be read or replaced.
bool writeConfigValue(std::string_view section, std::string_view key, std::string_view value);

}  // namespace core
