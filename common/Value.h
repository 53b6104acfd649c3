#pragma once

// The one variant of the programs: a type tag and an owned buffer with the
// raw bytes of the value. Used by list rows, the invoice print data and the
// template item properties.

#include <cstdint>
#include <cstring>
#include <ctime>
#include <string>

#include "platform/OleDateTime.h"

enum ValueType : uint32_t {
  VT_TEXT = 0,     // UTF-16LE units with their terminating NUL, (length + 1) * 2 bytes
  VT_INTEGER = 1,  // int32_t, 4 bytes
  VT_DOUBLE = 2,   // IEEE double, 8 bytes
  VT_DATE = 3,     // OLE date as a double, 8 bytes
  VT_BOOLEAN = 4,  // one byte, non-zero is true
  VT_EMPTY = 5,    // no buffer
};

class Value {
public:
  Value();
  Value(const wchar_t* text);
  Value(const std::wstring& text);
  Value(int32_t number);
  Value(long number);  // stored as 32 bits, as the original's long was
  Value(double number);
  Value(const platform::OleDateTime& date);
  Value(const Value& other);
  Value(Value&& other) noexcept { TakeFrom(other); }
  Value& operator=(const Value& other);
  Value& operator=(Value&& other) noexcept {
    if (this != &other) {
      Release();
      TakeFrom(other);
    }
    return *this;
  }
  ~Value() { Release(); }

  static Value Boolean(bool flag);
  // A value built from raw bytes as read from a file; the caller checked the size.
  static Value FromRaw(ValueType type, const uint8_t* bytes, uint32_t size) {
    return Value(type, bytes, size);
  }
  // The same as a constructor, for building in place; no bytes make an empty buffer.
  Value(ValueType type, const uint8_t* bytes, uint32_t size) : m_type(type), m_size(bytes ? size : 0) {
    if (m_size > kInlineSize) {
      m_heap = new uint8_t[m_size];
      std::memcpy(m_heap, bytes, m_size);
    } else if (m_size > 0) {
      std::memcpy(m_inline, bytes, m_size);
    }
  }

  ValueType GetType() const { return m_type; }
  // Null when the value holds no bytes.
  const uint8_t* GetBuffer() const { return m_size == 0 ? nullptr : Data(); }
  uint32_t GetSize() const { return m_size; }

  // Display text with the user's regional settings (see the .cpp).
  std::wstring GetText() const;

  // Typed reads; 0 / empty when the tag does not match.
  std::wstring AsString() const;
  int32_t AsInt() const;
  double AsDouble() const;  // doubles and dates
  bool AsBool() const;

  // Frees the buffer; the type becomes empty.
  void Clear();

  bool operator==(const Value& other) const;

private:
  // Numbers, dates, booleans and the shortest texts fit in the value itself:
  // a template of thousands of items then costs no allocation per number.
  static constexpr uint32_t kInlineSize = 24;

  bool IsInline() const { return m_size <= kInlineSize; }
  const uint8_t* Data() const { return IsInline() ? m_inline : m_heap; }
  void Assign(ValueType type, const void* bytes, uint32_t size) {
    if (size <= kInlineSize && IsInline()) {
      uint8_t copy[kInlineSize] = {};
      if (size) std::memcpy(copy, bytes, size);  // the source may lie in this value
      std::memcpy(m_inline, copy, kInlineSize);
      m_type = type;
      m_size = size;
    } else {
      AssignOutOfLine(type, bytes, size);
    }
  }
  void AssignOutOfLine(ValueType type, const void* bytes, uint32_t size);
  void Release() {
    if (!IsInline()) delete[] m_heap;
    m_size = 0;
    std::memset(m_inline, 0, kInlineSize);
  }
  // Leaves the other value empty.
  void TakeFrom(Value& other) noexcept {
    m_type = other.m_type;
    m_size = other.m_size;
    std::memcpy(m_inline, other.m_inline, kInlineSize);  // the inline bytes or the heap pointer
    other.m_type = VT_EMPTY;
    other.m_size = 0;
    std::memset(other.m_inline, 0, kInlineSize);
  }

  ValueType m_type = VT_EMPTY;
  uint32_t m_size = 0;
  union {
    uint8_t* m_heap;
    uint8_t m_inline[kInlineSize] = {};
  };
};

// OLE date <-> struct tm. OleDateToTm gives all-zero fields for a date that
// does not convert; TmToOleDate gives -1.0 for fields that are not a date.
std::tm OleDateToTm(double oleDate);
double TmToOleDate(std::tm time);
