#pragma once

// Helpers that read and write one value under a key of the per-user
// configuration store, creating the key when it does not exist. Statuses are
// those of the store: kRegSuccess, kRegNotFound, kRegMoreData.

#include <cstdint>
#include <optional>
#include <string>

enum class RegRoot : int { CurrentUser = 1 };
inline constexpr RegRoot HKEY_CURRENT_USER = RegRoot::CurrentUser;

inline constexpr long kRegSuccess = 0;
inline constexpr long kRegNotFound = 2;     // ERROR_FILE_NOT_FOUND
inline constexpr long kRegMoreData = 234;   // ERROR_MORE_DATA

// REG_SZ: the text is kept as text; its stored size is (UTF-16 length + 1) * 2.
long RegWriteString(const std::wstring& subkey, const std::wstring& name, const std::wstring& text,
                    RegRoot root = HKEY_CURRENT_USER);
long RegWriteDword(const std::wstring& subkey, const std::wstring& name, uint32_t value,
                   RegRoot root = HKEY_CURRENT_USER);
long RegWriteBinary(const std::wstring& subkey, const std::wstring& name, const void* bytes, uint32_t count,
                    RegRoot root = HKEY_CURRENT_USER);

// Raw read of whatever type is stored. Text values come back as UTF-16LE with
// their terminator. *size: in the buffer's size, out the bytes stored.
long RegReadValue(const std::wstring& subkey, const std::wstring& name, void* buffer, uint32_t* size,
                  RegRoot root = HKEY_CURRENT_USER);
// Narrow variant: text values come back as UTF-8 with their terminator.
long RegReadValueA(const std::string& subkey, const std::string& name, void* buffer, uint32_t* size,
                   RegRoot root = HKEY_CURRENT_USER);
// Sets *value to 0 first; reads a 4-byte value.
long RegReadDword(const std::wstring& subkey, const std::wstring& name, uint32_t* value,
                  RegRoot root = HKEY_CURRENT_USER);

// Typed conveniences for code on this platform (no fixed buffers).
std::optional<std::wstring> RegReadString(const std::wstring& subkey, const std::wstring& name,
                                          RegRoot root = HKEY_CURRENT_USER);
// A REG_DWORD value; nullopt when it is missing or stored as another type.
std::optional<uint32_t> RegReadNumber(const std::wstring& subkey, const std::wstring& name,
                                      RegRoot root = HKEY_CURRENT_USER);
std::optional<std::string> RegReadBinary(const std::wstring& subkey, const std::wstring& name,
                                         RegRoot root = HKEY_CURRENT_USER);
