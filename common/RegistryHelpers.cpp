#include "common/RegistryHelpers.h"

#include "platform/RegistryStore.h"
#include "platform/TextCodec.h"

#include <cstring>

using platform::RegistryStore;
using platform::RegistryValue;

static_assert(kRegSuccess == platform::kRegistryOk && kRegNotFound == platform::kRegistryNotFound &&
              kRegMoreData == platform::kRegistryMoreData);

namespace {

constexpr long kRegInvalidParameter = 87;  // ERROR_INVALID_PARAMETER

// Opens (creating) the key, then writes the one value.
long WriteValue(const std::wstring& subkey, const std::wstring& name, const RegistryValue& value) {
  RegistryStore& store = RegistryStore::User();
  if (const long status = store.CreateKey(subkey); status != kRegSuccess) return status;
  return store.SetValue(subkey, name, value);
}

// Opens (creating) the key, then reads the one value.
long ReadValue(const std::wstring& subkey, const std::wstring& name, RegistryValue& value) {
  RegistryStore& store = RegistryStore::User();
  if (const long status = store.CreateKey(subkey); status != kRegSuccess) return status;
  return store.GetValue(subkey, name, value);
}

// The registry's copy-out rules: a null buffer asks for the size only; a
// buffer that is too small gives more-data and the size needed.
long CopyOut(const std::vector<uint8_t>& raw, void* buffer, uint32_t* size) {
  if (!size) return buffer ? kRegInvalidParameter : kRegSuccess;
  const uint32_t available = *size;
  *size = static_cast<uint32_t>(raw.size());
  if (!buffer) return kRegSuccess;
  if (available < raw.size()) return kRegMoreData;
  if (!raw.empty()) std::memcpy(buffer, raw.data(), raw.size());
  return kRegSuccess;
}

}  // namespace

long RegWriteString(const std::wstring& subkey, const std::wstring& name, const std::wstring& text, RegRoot) {
  // The stored text ends at its first NUL, as a zero-terminated string would.
  return WriteValue(subkey, name, RegistryValue::String(text.c_str()));
}

long RegWriteDword(const std::wstring& subkey, const std::wstring& name, uint32_t value, RegRoot) {
  return WriteValue(subkey, name, RegistryValue::Dword(value));
}

long RegWriteBinary(const std::wstring& subkey, const std::wstring& name, const void* bytes, uint32_t count,
                    RegRoot) {
  if (!bytes && count) return kRegInvalidParameter;
  const auto* first = static_cast<const uint8_t*>(bytes);
  return WriteValue(subkey, name, RegistryValue::Binary(std::vector<uint8_t>(first, first + count)));
}

long RegReadValue(const std::wstring& subkey, const std::wstring& name, void* buffer, uint32_t* size,
                  RegRoot) {
  RegistryValue value;
  if (const long status = ReadValue(subkey, name, value); status != kRegSuccess) return status;
  return CopyOut(value.RawBytes(), buffer, size);
}

long RegReadValueA(const std::string& subkey, const std::string& name, void* buffer, uint32_t* size,
                   RegRoot) {
  RegistryValue value;
  if (const long status = ReadValue(platform::FromUtf8(subkey), platform::FromUtf8(name), value);
      status != kRegSuccess)
    return status;
  if (value.type != platform::REG_SZ) return CopyOut(value.RawBytes(), buffer, size);
  const std::string text = platform::ToUtf8(value.text);
  std::vector<uint8_t> raw(text.begin(), text.end());
  raw.push_back(0);
  return CopyOut(raw, buffer, size);
}

long RegReadDword(const std::wstring& subkey, const std::wstring& name, uint32_t* value, RegRoot root) {
  if (!value) return kRegInvalidParameter;
  *value = 0;
  uint8_t bytes[4] = {};
  uint32_t size = sizeof bytes;
  const long status = RegReadValue(subkey, name, bytes, &size, root);
  if (status == kRegSuccess) *value = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | uint32_t(bytes[3]) << 24;
  return status;
}

std::optional<std::wstring> RegReadString(const std::wstring& subkey, const std::wstring& name, RegRoot) {
  RegistryValue value;
  if (ReadValue(subkey, name, value) != kRegSuccess || value.type != platform::REG_SZ) return std::nullopt;
  return value.text;
}

std::optional<uint32_t> RegReadNumber(const std::wstring& subkey, const std::wstring& name, RegRoot) {
  RegistryValue value;
  if (ReadValue(subkey, name, value) != kRegSuccess || value.type != platform::REG_DWORD) return std::nullopt;
  return value.number;
}

std::optional<std::string> RegReadBinary(const std::wstring& subkey, const std::wstring& name, RegRoot) {
  RegistryValue value;
  if (ReadValue(subkey, name, value) != kRegSuccess) return std::nullopt;
  const std::vector<uint8_t> raw = value.RawBytes();
  return std::string(raw.begin(), raw.end());
}
