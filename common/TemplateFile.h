#pragma once

// The binary template container (.zlt), written and read by the designer and
// read by the preview library. Layout, all little-endian:
//
//   offset 0    2 bytes   CRC-16/MODBUS of every byte from offset 2 to the end
//   offset 2    4 bytes   L = file length - 2
//   offset 6  100 bytes   signature "Corvane Designer Template file" in UTF-16LE,
//                         NUL-terminated, zero-padded (not checked on reading)
//   offset 106  4 bytes   item count N (signed)
//   offset 110            N items: type (4), property count P (4), then P
//                         properties in ascending id: id (4), value type (4),
//                         byte length B (4), B bytes of the value
//
// Reading checks the length and the checksum, and then every count and byte
// length against the bytes that remain and each value's length against its
// type; any failure throws TemplateFileError "Invalid file structure" and
// leaves the list as it was.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <vector>

#include "common/TemplateFileError.h"
#include "common/TemplateItem.h"

class TemplateFile {
public:
  // What a repeated property id within one item means on reading: the
  // designer keeps the later value, the preview library the first one.
  enum class RepeatedId { KeepLast, KeepFirst };

  static constexpr size_t kHeaderSize = 110;  // checksum, length, signature, count
  static constexpr size_t kSignatureSize = 100;
  static const wchar_t* const kSignature;  // "Corvane Designer Template file"

  TemplateFile() = default;

  void AddItem(const TemplateItem& item) { m_items.push_back(item); }
  void AddItem(TemplateItem&& item) { m_items.push_back(std::move(item)); }
  // A copy of the item at index; throws std::out_of_range past the end.
  TemplateItem GetItem(size_t index) const { return m_items.at(index); }
  size_t GetCount() const { return m_items.size(); }
  const std::vector<TemplateItem>& GetItems() const { return m_items; }
  void Clear() { m_items.clear(); }

  // The whole file as bytes.
  std::vector<uint8_t> ToBytes() const;
  // Replaces the list with the items of a file's bytes; throws
  // TemplateFileError "Invalid file structure" on a bad file.
  void FromBytes(const uint8_t* bytes, size_t size, RepeatedId repeated = RepeatedId::KeepLast);

  // Writes the file to a stream opened in binary mode; throws
  // TemplateFileError when the stream fails.
  void Write(std::ostream& out) const;
  // Reads a file from a stream opened in binary mode, from its current
  // position to its end.
  void Read(std::istream& in, RepeatedId repeated = RepeatedId::KeepLast);

  // Saves through a temporary file in the same folder that then replaces the
  // target, so a failed save leaves the old file whole. Throws
  // TemplateFileError naming the file when it cannot be written.
  void Save(const std::filesystem::path& path) const;
  // Throws TemplateFileError naming the file when it cannot be opened or read,
  // and "Invalid file structure" when its contents are bad.
  void Load(const std::filesystem::path& path, RepeatedId repeated = RepeatedId::KeepLast);

  bool operator==(const TemplateFile& other) const { return m_items == other.m_items; }

private:
  std::vector<TemplateItem> m_items;
};
