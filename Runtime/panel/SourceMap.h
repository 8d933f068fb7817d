// Where each key and value of a screen file starts, as the JSON parser consumed the text.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "panel/ScreenError.h"

namespace panel {

struct Position {
  size_t line = 0;    // from 1
  size_t column = 0;  // from 1, in characters
};

struct SourceMap {
  // The positions of the document's values and keys by JSON pointer ("/objects/0/fields/width").
  std::map<std::string, Position> values, keys;
  // The offset at which each line starts, line 1 first, as far as the parser read.
  std::vector<size_t> lineStarts{0};
  std::string text;

  Position at(size_t offset) const;
};

// Parses `text` into `document`, recording positions. Throws ScreenError, whose message is
// "LINE:COLUMN: not valid JSON: ...", when the text is not JSON.
SourceMap parseWithPositions(const std::string& text, Json& document);

// The JSON pointer of `node` inside `root` (whose own pointer is `rootPath`), if it is there.
std::optional<std::string> pathOf(const Json& root, const std::string& rootPath, const Json* node);

// A key as one JSON pointer step ("~" and "/" escaped).
std::string pointerStep(const std::string& key);

}  // namespace panel
