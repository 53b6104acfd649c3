#pragma once

// One element of a template file: an item type and its properties, a map from
// property id to Value iterated in ascending id. The item types and property
// ids below are those stored in .zlt files.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "common/Value.h"

enum class TemplateItemType : int32_t {
  Label = 1,
  Picture = 2,
  Line = 3,
  Box = 4,
  DataField = 5,
  InvoiceField = 6,
  RepeatField = 7,
};

// Property ids; the stored value type is in brackets. Coordinates and the pen
// width are inches (whole screen pixels divided by the screen resolution).
namespace template_props {
inline constexpr int32_t kText = 1;           // the title once more, a label's shown text [text]
inline constexpr int32_t kTitle = 2;          // [text]
inline constexpr int32_t kName = 3;           // [text]; a data field's binding key
inline constexpr int32_t kGroup = 4;          // 0 = no group [integer]
inline constexpr int32_t kFontFace = 5;       // [text]
inline constexpr int32_t kFontSize = 6;       // tenths of a point [integer]
inline constexpr int32_t kBold = 7;           // [boolean]
inline constexpr int32_t kItalic = 8;         // [boolean]
inline constexpr int32_t kUnderline = 9;      // [boolean]
inline constexpr int32_t kStrikeOut = 10;     // [boolean]
inline constexpr int32_t kTextColor = 11;     // COLORREF 0x00BBGGRR [integer]
inline constexpr int32_t kAlignment = 12;     // 0 left, 1 centred, 2 right [integer]
inline constexpr int32_t kTransparent = 13;   // the box is not filled [boolean]
inline constexpr int32_t kFillColor = 14;     // COLORREF [integer]
inline constexpr int32_t kBorder = 15;        // [boolean]
inline constexpr int32_t kPenWidth = 16;      // inches [double]
inline constexpr int32_t kPenStyle = 17;      // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot [integer]
inline constexpr int32_t kPenColor = 18;      // COLORREF [integer]
inline constexpr int32_t kLeft = 19;          // inches [double]
inline constexpr int32_t kTop = 20;           // inches [double]
inline constexpr int32_t kRight = 21;         // inches [double]
inline constexpr int32_t kBottom = 22;        // inches [double]
inline constexpr int32_t kRepeatHeight = 24;  // total height of a repeat field, pixels [integer]
inline constexpr int32_t kRepeatRows = 25;    // rows of a repeat field [integer]
inline constexpr int32_t kBitmapPath = 27;    // [text]
inline constexpr int32_t kFieldKey = 28;      // FieldId text [text]
}  // namespace template_props

// Properties kept in ascending id in one block: an item's dozen or so
// properties then cost one allocation, and files (written in ascending id)
// append without a search. Iterates as (id, value) pairs.
class TemplatePropertyList {
public:
  using Entry = std::pair<int32_t, Value>;
  using const_iterator = std::vector<Entry>::const_iterator;

  const_iterator begin() const { return m_entries.begin(); }
  const_iterator end() const { return m_entries.end(); }
  size_t size() const { return m_entries.size(); }
  bool empty() const { return m_entries.empty(); }
  const_iterator find(int32_t id) const;
  size_t count(int32_t id) const { return find(id) == end() ? 0 : 1; }
  void reserve(size_t n) { m_entries.reserve(n); }

  // An id already present takes the new value when `replace` is set.
  // True when the id was not there before.
  bool Put(int32_t id, Value value, bool replace);
  // The same with the value built in place from raw bytes, as a file holds them.
  bool PutRaw(int32_t id, ValueType type, const uint8_t* bytes, uint32_t size, bool replace);

  bool operator==(const TemplatePropertyList& other) const = default;

private:
  std::vector<Entry> m_entries;
};

class TemplateItem {
public:
  using Properties = TemplatePropertyList;

  explicit TemplateItem(int32_t type = 0) : m_type(type) {}
  explicit TemplateItem(TemplateItemType type) : m_type(static_cast<int32_t>(type)) {}

  int32_t GetType() const { return m_type; }

  // An id already present takes the new value.
  void SetProperty(int32_t id, Value value);
  // Keeps the value already present, if any; true when inserted.
  bool AddPropertyIfAbsent(int32_t id, Value value);
  // A property as a file stores it; `replace` as SetProperty, else as AddPropertyIfAbsent.
  void PutRawProperty(int32_t id, ValueType type, const uint8_t* bytes, uint32_t size, bool replace) {
    m_properties.PutRaw(id, type, bytes, size, replace);
  }

  // A copy of the value, or an empty Value (VT_EMPTY) when the id is absent.
  Value GetProperty(int32_t id) const;
  // The stored value without copying; null when absent.
  const Value* FindProperty(int32_t id) const;
  bool HasProperty(int32_t id) const { return FindProperty(id) != nullptr; }

  // Typed reads: an absent property reads as empty, 0 or false; a double
  // property of another value type reads as 0.
  std::wstring TextProperty(int32_t id) const;
  int32_t IntProperty(int32_t id) const;
  bool BoolProperty(int32_t id) const;
  double DoubleProperty(int32_t id) const;

  const Properties& GetProperties() const { return m_properties; }
  void ReserveProperties(size_t n) { m_properties.reserve(n); }
  size_t GetPropertyCount() const { return m_properties.size(); }

  bool operator==(const TemplateItem& other) const;

private:
  int32_t m_type = 0;
  Properties m_properties;
};
