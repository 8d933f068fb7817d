// Places in a screen file: offsets kept while parsing, turned into lines and columns (counted in
// characters) only for the places a message names, in whatever order they are asked for.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "panel/Diagnostics.h"
#include "panel/SourceMap.h"

namespace zelmo::test {
namespace {

using panel::Json;

std::string placeOf(const panel::SourceMap& map, const std::string& pointer, bool key = false) {
  const auto& offsets = key ? map.keys : map.values;
  const auto found = offsets.find(pointer);
  if (found == offsets.end()) return "none";
  const panel::Position p = map.at(found->second);
  return std::to_string(p.line) + ":" + std::to_string(p.column);
}

TEST(SourceMap, PlacesKeysAndValuesOnLongLinesInAnyOrder) {
  // "é" and "✓" are two and three bytes, one column each.
  const std::string text = "{\"é\": [1, \"✓✓\", {\"b\": true}],\n  \"c\":\t[null, 2.5]}";
  Json document;
  const panel::SourceMap map = panel::parseWithPositions(text, document);
  EXPECT_EQ(placeOf(map, "/é", true), "1:2");
  EXPECT_EQ(placeOf(map, "/é/2/b"), "1:23");  // after earlier look-ups on the line
  EXPECT_EQ(placeOf(map, "/é/1"), "1:11");    // back along the same line
  EXPECT_EQ(placeOf(map, "/é/2/b", true), "1:18");
  EXPECT_EQ(placeOf(map, "/c/1"), "2:15");
  EXPECT_EQ(placeOf(map, "/é/0"), "1:8");  // back to an earlier line
  EXPECT_EQ(placeOf(map, ""), "1:1");
}

// Every one of many warnings on one line names its own column.
TEST(SourceMap, DiagnosticsPlaceEachOfManyMessagesOnOneLine) {
  std::string text = "[";
  for (int i = 0; i < 2000; ++i) text += (i ? "," : "") + std::string("\"ü\"");
  text += "]";
  Json document;
  panel::SourceMap map = panel::parseWithPositions(text, document);
  panel::Diagnostics diagnostics("s.json", std::move(map));
  diagnostics.addRoot(document, "");
  for (int i = 1999; i >= 0; i -= 7) diagnostics.warning("w", &document[static_cast<size_t>(i)]);
  diagnostics.warning("w", nullptr);
  ASSERT_EQ(diagnostics.warnings().size(), 287u);
  EXPECT_EQ(diagnostics.warnings()[0], "s.json:1:" + std::to_string(2 + 1999 * 4) + ": warning: w");
  EXPECT_EQ(diagnostics.warnings()[285], "s.json:1:" + std::to_string(2 + 4 * 4) + ": warning: w");
  EXPECT_EQ(diagnostics.warnings()[286], "s.json:1:1: warning: w");  // no value named
}

}  // namespace
}  // namespace zelmo::test
