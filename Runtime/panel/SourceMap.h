// Where each key and value of a screen file starts, as the JSON parser consumed the text.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "panel/ScreenError.h"

namespace panel {

struct Position {
  size_t line = 0;    // from 1
  size_t column = 0;  // from 1, in characters
};

struct SourceMap {
  // Where the document's values and keys start, as offsets into `text`, by JSON pointer
  // ("/objects/0/fields/width"). Offsets, not lines and columns: those are counted only for the
  // few places a message names, since counting for every value of a long line costs its square.
  std::map<std::string, size_t> values, keys;
  // The offset at which each line starts, line 1 first, as far as the parser read.
  std::vector<size_t> lineStarts{0};
  std::string text;

  // Messages come in the order of the file, mostly: a look-up on the line of the one before
  // counts on from there, so that many on one long line cost it once.
  Position at(size_t offset) const;

 private:
  mutable size_t countedFrom_ = 0, countedTo_ = 0, countedColumn_ = 1;
};

// Parses `text` into `document`, recording positions. Throws ScreenError, whose message is
// "LINE:COLUMN: not valid JSON: ...", when the text is not JSON.
SourceMap parseWithPositions(const std::string& text, Json& document);

// Adds the JSON pointer of every value inside `root` (whose own pointer is `rootPath`), by address.
void addPaths(const Json& root, const std::string& rootPath,
              std::unordered_map<const Json*, std::string>& paths);

// A key as one JSON pointer step ("~" and "/" escaped).
std::string pointerStep(const std::string& key);

}  // namespace panel
