#include "panel/SourceMap.h"

#include <algorithm>
#include <iterator>

#include <nlohmann/json.hpp>

namespace panel {

namespace {

// Follows what the parser reads, one character at a time. The parser calls the SAX handler as
// soon as a token ends, so the start of the next key or value is the first character it reads
// after a callback that is neither white space nor a ':' or ',' between tokens. A number's
// look-ahead character is read before its callback and is always one of those or a bracket,
// so it is never taken for a start.
struct ReadTracker {
  const std::string* text = nullptr;
  SourceMap* map = nullptr;
  bool betweenTokens = true;
  size_t tokenStart = 0;

  void read(size_t offset) {
    const char c = (*text)[offset];
    if (c == '\n') map->lineStarts.push_back(offset + 1);
    if (!betweenTokens) return;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ':' || c == ',') return;
    tokenStart = offset;
    betweenTokens = false;
  }
};

// A character iterator that tells the tracker what the parser reads.
class TrackedIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  TrackedIterator(ReadTracker* tracker, size_t offset) : tracker_(tracker), offset_(offset) {}
  reference operator*() const {
    tracker_->read(offset_);
    return (*tracker_->text)[offset_];
  }
  TrackedIterator& operator++() {
    ++offset_;
    return *this;
  }
  bool operator==(const TrackedIterator& other) const { return offset_ == other.offset_; }
  bool operator!=(const TrackedIterator& other) const { return offset_ != other.offset_; }

 private:
  ReadTracker* tracker_;
  size_t offset_;
};

// Builds the document as the library's own DOM parser does, keeping each key's and value's
// position under its JSON pointer.
class PositionHandler {
 public:
  PositionHandler(Json& document, ReadTracker& tracker) : dom_(document, true), tracker_(tracker) {}

  bool null() { return scalar() && dom_.null(); }
  bool boolean(bool v) { return scalar() && dom_.boolean(v); }
  bool number_integer(Json::number_integer_t v) { return scalar() && dom_.number_integer(v); }
  bool number_unsigned(Json::number_unsigned_t v) { return scalar() && dom_.number_unsigned(v); }
  bool number_float(Json::number_float_t v, const std::string& s) {
    return scalar() && dom_.number_float(v, s);
  }
  bool string(std::string& v) { return scalar() && dom_.string(v); }
  bool binary(Json::binary_t& v) { return scalar() && dom_.binary(v); }
  bool start_object(std::size_t n) {
    value();
    open_.push_back({true, "", 0});
    return dom_.start_object(n);
  }
  bool key(std::string& k) {
    open_.back().key = k;
    tracker_.map->keys[path()] = start();
    return dom_.key(k);
  }
  bool end_object() {
    close();
    return dom_.end_object();
  }
  bool start_array(std::size_t n) {
    value();
    open_.push_back({false, "", 0});
    return dom_.start_array(n);
  }
  bool end_array() {
    close();
    return dom_.end_array();
  }
  bool parse_error(std::size_t offset, const std::string&, const nlohmann::detail::exception& e) {
    const Position where = tracker_.map->at(offset == 0 ? 0 : offset - 1);
    // The library's message repeats the position; what follows it says what is wrong.
    std::string message = e.what();
    if (const size_t column = message.find("column "); column != std::string::npos)
      if (const size_t colon = message.find(": ", column); colon != std::string::npos)
        message.erase(0, colon + 2);
    throw ScreenError(std::to_string(where.line) + ":" + std::to_string(where.column) +
                      ": not valid JSON: " + message);
  }

 private:
  struct Open {
    bool object;
    std::string key;
    size_t index;
  };

  size_t start() {
    tracker_.betweenTokens = true;
    return tracker_.tokenStart;
  }
  std::string path() const {
    std::string p;
    for (const Open& open : open_)
      p += '/' + (open.object ? pointerStep(open.key) : std::to_string(open.index));
    return p;
  }
  bool value() {
    tracker_.map->values[path()] = start();
    return true;
  }
  // A value that opens nothing: the next one in an array has the next index.
  bool scalar() {
    value();
    advance();
    return true;
  }
  void advance() {
    if (!open_.empty() && !open_.back().object) ++open_.back().index;
  }
  void close() {
    tracker_.betweenTokens = true;
    open_.pop_back();
    advance();
  }

  nlohmann::detail::json_sax_dom_parser<Json> dom_;
  ReadTracker& tracker_;
  std::vector<Open> open_;
};

}  // namespace

Position SourceMap::at(size_t offset) const {
  const auto next = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
  const size_t lineStart = *(next - 1);
  if (countedFrom_ != lineStart || countedTo_ > offset) {
    countedFrom_ = countedTo_ = lineStart;
    countedColumn_ = 1;
  }
  // Columns count characters: UTF-8 continuation bytes do not start one.
  for (; countedTo_ < offset && countedTo_ < text.size(); ++countedTo_)
    if ((static_cast<unsigned char>(text[countedTo_]) & 0xC0) != 0x80) ++countedColumn_;
  return {static_cast<size_t>(next - lineStarts.begin()), countedColumn_};
}

SourceMap parseWithPositions(const std::string& text, Json& document) {
  SourceMap map;
  map.text = text;
  ReadTracker tracker{&map.text, &map};
  PositionHandler handler(document, tracker);
  Json::sax_parse(TrackedIterator(&tracker, 0), TrackedIterator(&tracker, map.text.size()),
                  &handler);
  return map;
}

std::string pointerStep(const std::string& key) {
  std::string step;
  for (char c : key) step += c == '~' ? "~0" : c == '/' ? "~1" : std::string(1, c);
  return step;
}

void addPaths(const Json& root, const std::string& rootPath,
              std::unordered_map<const Json*, std::string>& paths) {
  paths.emplace(&root, rootPath);
  if (root.is_object()) {
    for (const auto& item : root.items())
      addPaths(item.value(), rootPath + '/' + pointerStep(item.key()), paths);
  } else if (root.is_array()) {
    for (size_t i = 0; i < root.size(); ++i)
      addPaths(root[i], rootPath + '/' + std::to_string(i), paths);
  }
}

}  // namespace panel
