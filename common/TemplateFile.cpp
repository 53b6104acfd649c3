#include "common/TemplateFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <istream>
#include <limits>
#include <memory>
#include <ostream>
#include <system_error>
#include <utility>

#include "common/Crc16.h"
#include "platform/TextCodec.h"

const wchar_t* const TemplateFile::kSignature = L"Corvane Designer Template file";

namespace {

constexpr size_t kChecksumSize = 2;
constexpr size_t kLengthOffset = 2;
constexpr size_t kSignatureOffset = 6;
constexpr size_t kCountOffset = kSignatureOffset + TemplateFile::kSignatureSize;
constexpr size_t kItemHeadSize = 8;       // type, property count
constexpr size_t kPropertyHeadSize = 12;  // id, value type, byte length

[[noreturn]] void FailStructure() {
  throw TemplateFileError::InvalidStructure();
}

uint16_t GetUint16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t GetUint32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void PutUint16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

void PutUint32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void AppendUint32(std::vector<uint8_t>& out, uint32_t v) {
  const size_t at = out.size();
  out.resize(at + 4);
  PutUint32(out.data() + at, v);
}

int32_t ToCount(size_t n) {
  if (n > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
    throw TemplateFileError(L"The template has too many entries to be stored.");
  return static_cast<int32_t>(n);
}

// Walks the item area of a file whose length and checksum matched. Every read
// is checked against the bytes that remain: a matching checksum says nothing
// about a crafted file.
class ItemReader {
public:
  ItemReader(const uint8_t* bytes, size_t size) : m_pos(bytes), m_left(size) {}

  size_t Left() const { return m_left; }

  int32_t ReadInt32() { return static_cast<int32_t>(ReadUint32()); }

  uint32_t ReadUint32() {
    const uint8_t* p = Take(4);
    return GetUint32(p);
  }

  const uint8_t* Take(size_t n) {
    if (n > m_left) FailStructure();
    const uint8_t* p = m_pos;
    m_pos += n;
    m_left -= n;
    return p;
  }

private:
  const uint8_t* m_pos;
  size_t m_left;
};

bool HasValidSize(uint32_t type, const uint8_t* bytes, uint32_t size) {
  switch (type) {
    case VT_TEXT:
      // UTF-16 units ending in one NUL unit.
      return size >= 2 && size % 2 == 0 && bytes[size - 2] == 0 && bytes[size - 1] == 0;
    case VT_INTEGER:
      return size == 4;
    case VT_DOUBLE:
    case VT_DATE:
      return size == 8;
    case VT_BOOLEAN:
      return size == 1;
    case VT_EMPTY:
      return size == 0;
    default:
      // Types this program does not know are kept as they are; readers of
      // properties take them for missing.
      return true;
  }
}

std::vector<TemplateItem> ParseItems(const uint8_t* bytes, size_t size, TemplateFile::RepeatedId repeated) {
  const int32_t itemCount = static_cast<int32_t>(GetUint32(bytes + kCountOffset));
  ItemReader reader(bytes + TemplateFile::kHeaderSize, size - TemplateFile::kHeaderSize);
  std::vector<TemplateItem> items;
  if (itemCount > 0) items.reserve(std::min<size_t>(itemCount, reader.Left() / kItemHeadSize));
  for (int32_t i = 0; i < itemCount; ++i) {
    TemplateItem item(reader.ReadInt32());
    const int32_t propertyCount = reader.ReadInt32();
    if (propertyCount > 0 && static_cast<size_t>(propertyCount) > reader.Left() / kPropertyHeadSize)
      FailStructure();
    if (propertyCount > 0) item.ReserveProperties(static_cast<size_t>(propertyCount));
    for (int32_t j = 0; j < propertyCount; ++j) {
      const int32_t id = reader.ReadInt32();
      const uint32_t type = reader.ReadUint32();
      const uint32_t length = reader.ReadUint32();
      const uint8_t* data = reader.Take(length);
      if (!HasValidSize(type, data, length)) FailStructure();
      item.PutRawProperty(id, static_cast<ValueType>(type), data, length,
                          repeated == TemplateFile::RepeatedId::KeepLast);
    }
    items.push_back(std::move(item));
  }
  // A writer leaves nothing after the last item.
  if (reader.Left() != 0) FailStructure();
  return items;
}

std::wstring DescribeErrno(int error) {
  return platform::FromUtf8(std::generic_category().message(error));
}

}  // namespace

std::vector<uint8_t> TemplateFile::ToBytes() const {
  size_t total = kHeaderSize;
  for (const TemplateItem& item : m_items) {
    total += kItemHeadSize;
    for (const auto& [id, value] : item.GetProperties()) total += kPropertyHeadSize + value.GetSize();
  }
  std::vector<uint8_t> out;
  out.reserve(total);
  out.resize(kHeaderSize, 0);
  const std::vector<uint8_t> signature = platform::ToUtf16Le(kSignature);
  // The signature and its NUL fit the zeroed field with room to spare.
  std::copy(signature.begin(), signature.end(), out.begin() + kSignatureOffset);
  PutUint32(out.data() + kCountOffset, static_cast<uint32_t>(ToCount(m_items.size())));

  for (const TemplateItem& item : m_items) {
    AppendUint32(out, static_cast<uint32_t>(item.GetType()));
    AppendUint32(out, static_cast<uint32_t>(ToCount(item.GetPropertyCount())));
    for (const auto& [id, value] : item.GetProperties()) {
      AppendUint32(out, static_cast<uint32_t>(id));
      AppendUint32(out, static_cast<uint32_t>(value.GetType()));
      AppendUint32(out, value.GetSize());
      if (value.GetSize() > 0) out.insert(out.end(), value.GetBuffer(), value.GetBuffer() + value.GetSize());
    }
  }

  if (out.size() - kChecksumSize > std::numeric_limits<uint32_t>::max())
    throw TemplateFileError(L"The template is too large to be stored.");
  PutUint32(out.data() + kLengthOffset, static_cast<uint32_t>(out.size() - kChecksumSize));
  PutUint16(out.data(), ComputeCrc16(out.data() + kChecksumSize, out.size() - kChecksumSize));
  return out;
}

void TemplateFile::FromBytes(const uint8_t* bytes, size_t size, RepeatedId repeated) {
  if (bytes == nullptr || size < kHeaderSize) FailStructure();
  const uint16_t checksum = GetUint16(bytes);
  const uint32_t length = GetUint32(bytes + kLengthOffset);
  if (length != size - kChecksumSize) FailStructure();
  if (ComputeCrc16(bytes + kChecksumSize, length) != checksum) FailStructure();
  // The signature is not compared: any text there is accepted.
  m_items = ParseItems(bytes, size, repeated);
}

void TemplateFile::Write(std::ostream& out) const {
  const std::vector<uint8_t> bytes = ToBytes();
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) throw TemplateFileError(L"The template file could not be written.");
}

void TemplateFile::Read(std::istream& in, RepeatedId repeated) {
  const auto readFailed = [] { return TemplateFileError(L"The template file could not be read."); };

  // With a seekable stream the size is known: the header is checked before
  // a large foreign file is read whole, into a buffer that is not zeroed first.
  const std::istream::pos_type start = in.tellg();
  if (start != std::istream::pos_type(-1) && in.seekg(0, std::ios::end)) {
    const std::streamoff size = in.tellg() - start;
    in.seekg(start);
    if (!in || size < 0) throw readFailed();
    if (static_cast<size_t>(size) < kHeaderSize) FailStructure();
    constexpr size_t kHead = kChecksumSize + 4;
    uint8_t head[kHead];
    if (!in.read(reinterpret_cast<char*>(head), kHead)) throw readFailed();
    if (GetUint32(head + kLengthOffset) != static_cast<uint64_t>(size) - kChecksumSize) FailStructure();
    const auto bytes = std::make_unique_for_overwrite<uint8_t[]>(static_cast<size_t>(size));
    std::copy(head, head + kHead, bytes.get());
    if (!in.read(reinterpret_cast<char*>(bytes.get()) + kHead, static_cast<std::streamsize>(size) - kHead))
      throw readFailed();
    FromBytes(bytes.get(), static_cast<size_t>(size), repeated);
    return;
  }
  in.clear();
  std::vector<uint8_t> bytes;
  char chunk[65536];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) bytes.insert(bytes.end(), chunk, chunk + in.gcount());
  if (in.bad()) throw readFailed();
  FromBytes(bytes.data(), bytes.size(), repeated);
}

void TemplateFile::Save(const std::filesystem::path& path) const {
  const std::vector<uint8_t> bytes = ToBytes();
  // A link is followed, so the file it names is replaced and the link stays.
  std::error_code ignored;
  const std::filesystem::path target =
      std::filesystem::is_symlink(path, ignored) ? std::filesystem::weakly_canonical(path, ignored) : path;
  std::filesystem::path temp = target;
  temp += ".saving~";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
      const int error = errno;
      throw TemplateFileError(L"Cannot write the file " + platform::WideFromPath(path) + L": " + DescribeErrno(error));
    }
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::filesystem::remove(temp, ignored);
      throw TemplateFileError(L"Cannot write the file " + platform::WideFromPath(path));
    }
  }
  // The new file keeps the permissions of the one it replaces.
  const auto status = std::filesystem::status(target, ignored);
  if (std::filesystem::exists(status)) std::filesystem::permissions(temp, status.permissions(), ignored);
  std::error_code error;
  std::filesystem::rename(temp, target, error);
  if (error) {
    std::filesystem::remove(temp, ignored);
    throw TemplateFileError(L"Cannot write the file " + platform::WideFromPath(path) + L": " +
                            platform::FromUtf8(error.message()));
  }
}

void TemplateFile::Load(const std::filesystem::path& path, RepeatedId repeated) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    const int error = errno;
    throw TemplateFileError(L"Cannot open the file " + platform::WideFromPath(path) + L": " + DescribeErrno(error));
  }
  Read(in, repeated);
}
