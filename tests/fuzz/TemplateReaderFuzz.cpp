// libFuzzer target of the template file reader. Any input must either read or
// fail with "Invalid file structure"; what reads must write back and read
// again to the same items.
//
// Random bytes almost never carry a matching length and checksum, so for odd
// first bytes the target seals the rest of the input first (fills in the
// length and the CRC) to reach the item parser.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "common/Crc16.h"
#include "common/TemplateFile.h"

namespace {

void Seal(std::vector<uint8_t>& bytes) {
  if (bytes.size() < 6) return;
  const uint32_t length = static_cast<uint32_t>(bytes.size() - 2);
  for (int i = 0; i < 4; ++i) bytes[2 + i] = static_cast<uint8_t>(length >> (8 * i));
  const uint16_t crc = ComputeCrc16(bytes.data() + 2, bytes.size() - 2);
  bytes[0] = static_cast<uint8_t>(crc);
  bytes[1] = static_cast<uint8_t>(crc >> 8);
}

void Touch(const TemplateFile& file) {
  volatile double sink = 0;
  for (const TemplateItem& item : file.GetItems()) {
    for (const auto& [id, value] : item.GetProperties()) {
      sink = sink + value.AsString().size() + value.AsInt() + value.AsDouble() + value.AsBool();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::vector<uint8_t> bytes(data + 1, data + size);
  if (data[0] & 1) Seal(bytes);
  const auto repeated =
      (data[0] & 2) ? TemplateFile::RepeatedId::KeepFirst : TemplateFile::RepeatedId::KeepLast;

  TemplateFile file;
  try {
    file.FromBytes(bytes.data(), bytes.size(), repeated);
  } catch (const TemplateFileError& e) {
    if (!e.IsInvalidStructure()) std::abort();
    return 0;
  }
  Touch(file);

  const std::vector<uint8_t> written = file.ToBytes();
  TemplateFile again;
  again.FromBytes(written.data(), written.size());  // must not throw
  if (!(again == file)) std::abort();
  if (again.ToBytes() != written) std::abort();
  return 0;
}
