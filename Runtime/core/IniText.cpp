#include "core/IniText.h"

#include <cstdint>
#include <vector>

namespace core::ini {
namespace {

constexpr std::string_view kDefaultSection = "DEFAULT";

// Bytes of the whitespace character starting at text[i], 0 if none. configparser strips what
// Python calls whitespace, which includes a few non-ASCII characters.
size_t blankAt(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) {
    return i + k < text.size() ? static_cast<uint8_t>(text[i + k]) : uint8_t{0};
  };
  const uint8_t b0 = byte(0);
  if (b0 == ' ' || (b0 >= 0x09 && b0 <= 0x0D) || (b0 >= 0x1C && b0 <= 0x1F)) return 1;
  if (b0 == 0xC2 && (byte(1) == 0x85 || byte(1) == 0xA0)) return 2;  // U+0085, U+00A0
  const uint8_t b1 = byte(1), b2 = byte(2);
  if (b0 == 0xE1 && b1 == 0x9A && b2 == 0x80) return 3;  // U+1680
  // U+2000..U+200A, U+2028, U+2029, U+202F
  if (b0 == 0xE2 && b1 == 0x80 &&
      ((b2 >= 0x80 && b2 <= 0x8A) || b2 == 0xA8 || b2 == 0xA9 || b2 == 0xAF))
    return 3;
  if (b0 == 0xE2 && b1 == 0x81 && b2 == 0x9F) return 3;  // U+205F
  if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) return 3;  // U+3000
  return 0;
}

// Bytes of the whitespace character ending just before text[end], 0 if none.
size_t blankBefore(std::string_view text, size_t end) {
  for (size_t n = 1; n <= 3 && n <= end; ++n)
    if (blankAt(text, end - n) == n) return n;
  return 0;
}

// One line: its content [begin, contentEnd) and its line break up to `end`.
struct Line {
  size_t begin, contentEnd, end;
};

std::vector<Line> splitLines(std::string_view text) {
  std::vector<Line> lines;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t i = begin;
    while (i < text.size() && text[i] != '\n' && text[i] != '\r') ++i;
    size_t end = i;
    if (end < text.size())
      end += (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
    lines.push_back({begin, i, end});
    begin = end;
  }
  return lines;
}

size_t firstNonBlank(std::string_view text, const Line& line) {
  size_t first = line.begin;
  while (first < line.contentEnd && blankAt(text, first)) first += blankAt(text, first);
  return first;
}

// A line that is neither blank nor a comment.
bool counts(std::string_view text, const Line& line) {
  const size_t first = firstNonBlank(text, line);
  return first < line.contentEnd && text[first] != '#' && text[first] != ';';
}

struct Section {
  std::string_view name;
  size_t line;  // index of the header's line
};

struct Entry {
  size_t section;                       // index into the sections
  std::string_view key;                 // as written, blanks dropped
  size_t valueBegin, valueEnd;          // the value's bytes, from its first line to its last
  std::vector<std::string_view> parts;  // the value's lines, "" for blank ones
};

struct Document {
  std::vector<Line> lines;
  std::vector<Section> sections;
  std::vector<Entry> entries;
};

// Reads the text the way configparser does, remembering where everything is.
Document parse(std::string_view text) {
  Document doc{splitLines(text), {}, {}};
  constexpr size_t kNone = SIZE_MAX;
  size_t section = kNone, entry = kNone, indentLevel = 0;
  for (size_t li = 0; li < doc.lines.size(); ++li) {
    const Line& line = doc.lines[li];
    size_t first = line.begin, last = line.contentEnd, indent = 0;
    while (first < last && blankAt(text, first)) first += blankAt(text, first), ++indent;
    while (last > first && blankBefore(text, last)) last -= blankBefore(text, last);
    const std::string_view value = text.substr(first, last - first);
    const bool comment = !value.empty() && (value[0] == '#' || value[0] == ';');
    if (value.empty() || comment) {
      // A blank line may sit inside a multi-line value; a comment is skipped.
      if (!comment && section != kNone && entry != kNone) doc.entries[entry].parts.push_back({});
      continue;
    }
    if (section != kNone && entry != kNone && indent > indentLevel) {
      Entry& e = doc.entries[entry];
      e.parts.push_back(value);
      e.valueEnd = last;
      continue;
    }
    indentLevel = indent;
    if (const size_t close = value.rfind(']');
        value[0] == '[' && close != value.npos && close >= 2) {
      doc.sections.push_back({value.substr(1, close - 1), li});
      section = doc.sections.size() - 1;
      entry = kNone;
      continue;
    }
    if (section == kNone) continue;  // before any header: kept, never read
    const size_t delimiter = value.find_first_of("=:");
    // Unparsable: kept and ignored; the entry before it may still continue below it.
    if (delimiter == value.npos || delimiter == 0) continue;
    size_t keyEnd = first + delimiter;
    while (keyEnd > first && blankBefore(text, keyEnd)) keyEnd -= blankBefore(text, keyEnd);
    size_t valueBegin = first + delimiter + 1;
    while (valueBegin < last && blankAt(text, valueBegin)) valueBegin += blankAt(text, valueBegin);
    doc.entries.push_back({section,
                           text.substr(first, keyEnd - first),
                           valueBegin,
                           last,
                           {text.substr(valueBegin, last - valueBegin)}});
    entry = doc.entries.size() - 1;
  }
  return doc;
}

bool sameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

constexpr size_t kNotFound = SIZE_MAX;

// The last entry of `key` in any occurrence of `section`: the one configparser keeps.
size_t lastEntry(const Document& doc, std::string_view section, std::string_view key) {
  for (size_t i = doc.entries.size(); i-- > 0;)
    if (doc.sections[doc.entries[i].section].name == section && sameKey(doc.entries[i].key, key))
      return i;
  return kNotFound;
}

size_t lastSection(const Document& doc, std::string_view section) {
  for (size_t i = doc.sections.size(); i-- > 0;)
    if (doc.sections[i].name == section) return i;
  return kNotFound;
}

std::string joined(const Entry& entry) {
  size_t count = entry.parts.size();
  while (count > 1 && entry.parts[count - 1].empty()) --count;
  std::string value;
  for (size_t i = 0; i < count; ++i) {
    if (i) value += '\n';
    value += entry.parts[i];
  }
  return value;
}

// The line break the file already uses, for the lines we add.
std::string_view lineBreakOf(std::string_view text, const Document& doc) {
  for (const Line& line : doc.lines)
    if (line.end > line.contentEnd) return text.substr(line.contentEnd, line.end - line.contentEnd);
  return "\n";
}

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

}  // namespace

std::optional<std::string> findValue(std::string_view text, std::string_view section,
                                     std::string_view key) {
  const Document doc = parse(text);
  size_t found = lastEntry(doc, section, key);
  // [DEFAULT] answers for a section that exists but lacks the key.
  if (found == kNotFound && lastSection(doc, section) != kNotFound)
    found = lastEntry(doc, kDefaultSection, key);
  if (found == kNotFound) return std::nullopt;
  return joined(doc.entries[found]);
}

std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
  const Document doc = parse(text);
  const std::string_view lineBreak = lineBreakOf(text, doc);
  std::string out;
  if (const size_t found = lastEntry(doc, section, key); found != kNotFound) {
    const Entry& e = doc.entries[found];
    out.append(text.substr(0, e.valueBegin));
    // "key =" becomes "key = value", not "key =value".
    if (e.valueBegin == e.valueEnd && e.valueBegin > 0 && !blankBefore(text, e.valueBegin))
      out += ' ';
    out.append(value);
    out.append(text.substr(e.valueEnd));
    return out;
  }
  const size_t at = lastSection(doc, section);
  if (at == kNotFound) {
    // A new section ends the text, a blank line before it as configparser writes them.
    out.append(text);
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') out.append(lineBreak);
    if (!text.empty()) out.append(lineBreak);
    out.append("[").append(section).append("]").append(lineBreak);
    out.append(key).append(" = ").append(value).append(lineBreak);
    return out;
  }
  // The new entry follows the section's last line that counts (its header at least) and takes
  // the indentation of the header after it, so that it continues no value before it and the
  // header does not continue it: the lines around read as they did.
  const size_t next = at + 1 < doc.sections.size() ? doc.sections[at + 1].line : doc.lines.size();
  size_t anchor = doc.sections[at].line;
  for (size_t li = next; li-- > anchor + 1;)
    if (counts(text, doc.lines[li])) {
      anchor = li;
      break;
    }
  const std::string_view indent =
      next < doc.lines.size()
          ? text.substr(doc.lines[next].begin,
                        firstNonBlank(text, doc.lines[next]) - doc.lines[next].begin)
          : std::string_view();
  const Line& after = doc.lines[anchor];
  out.append(text.substr(0, after.end));
  if (after.end == after.contentEnd) out.append(lineBreak);  // the last line had no break
  out.append(indent).append(key).append(" = ").append(value).append(lineBreak);
  out.append(text.substr(after.end));
  return out;
}

bool isWritableSection(std::string_view section) {
  return !section.empty() && !hasLineBreak(section);
}

bool isWritableKey(std::string_view key) {
  if (key.empty() || hasLineBreak(key) || key.find_first_of("=:") != key.npos) return false;
  if (key[0] == '#' || key[0] == ';' || key[0] == '[') return false;
  return !blankAt(key, 0) && !blankBefore(key, key.size());
}

bool isWritableValue(std::string_view value) { return !hasLineBreak(value); }

}  // namespace core::ini
