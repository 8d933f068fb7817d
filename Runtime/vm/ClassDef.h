// Managed classes of the VM stand-in: fields in declaration order, laid out by the packing rule
// (bytes and booleans packed, chars on 2 bytes, 32-bit fields on a 32-bit boundary, a subclass
// starting at the next 32-bit boundary after its superclass).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vm {

// Field types by their descriptor letter: I, F, Z, B, C, or a reference ('L' or '[' type).
struct FieldSpec {
  std::string name;
  std::string type;
};

struct FieldInfo {
  std::string name;
  std::string type;
  uint32_t offset = 0;
  uint32_t size = 0;
};

class ClassDef {
 public:
  ClassDef(uint32_t id, std::string name, const ClassDef* superclass,
           const std::vector<FieldSpec>& fields, const std::vector<FieldSpec>& statics);

  uint32_t id() const { return id_; }
  const std::string& name() const { return name_; }
  const ClassDef* superclass() const { return superclass_; }
  bool isSubclassOf(const ClassDef& other) const;
  // Every field, inherited ones first, with offsets from the start of the field storage.
  const std::vector<FieldInfo>& fields() const { return fields_; }
  const std::vector<FieldInfo>& statics() const { return statics_; }
  uint32_t instanceSize() const { return instanceSize_; }
  uint32_t staticsSize() const { return staticsSize_; }
  std::optional<FieldInfo> field(const std::string& name) const;
  std::optional<FieldInfo> staticField(const std::string& name) const;

  // Set by the VM once the statics have storage.
  std::byte* staticStorage = nullptr;

 private:
  uint32_t id_;
  std::string name_;
  const ClassDef* superclass_;
  std::vector<FieldInfo> fields_;
  std::vector<FieldInfo> statics_;
  uint32_t instanceSize_ = 0;
  uint32_t staticsSize_ = 0;
};

// Lays out fields after `start` bytes; returns the end offset (not rounded).
uint32_t layoutFields(const std::vector<FieldSpec>& specs, uint32_t start,
                      std::vector<FieldInfo>& out);
uint32_t fieldSize(const std::string& type);

}  // namespace vm
