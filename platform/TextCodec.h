#pragma once

// Explicit encodings at the program's edges. Inside the programs text is
// std::wstring (UTF-32 here); Firebird and the config store get UTF-8 and the
// template files UTF-16LE. Lone surrogates and invalid code points never reach
// the output: they become U+FFFD on encoding.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

std::string ToUtf8(std::wstring_view text);

// Strict decoding: std::nullopt when the bytes are not valid UTF-8.
std::optional<std::wstring> DecodeUtf8(std::string_view bytes);

// Lenient decoding: invalid sequences become U+FFFD.
std::wstring FromUtf8(std::string_view bytes);

// UTF-16LE code units as bytes, without a terminator.
std::vector<uint8_t> ToUtf16Le(std::wstring_view text);

// Decodes UTF-16LE bytes (an odd trailing byte is ignored); stops at the first
// NUL unit when stopAtNul is set. Unpaired surrogates become U+FFFD.
std::wstring FromUtf16Le(const uint8_t* bytes, size_t count, bool stopAtNul = true);

// Number of UTF-16 code units the text needs (characters above U+FFFF take two).
size_t Utf16Length(std::wstring_view text);

// File names: the wide text as UTF-8 bytes, which is what the file system
// stores here. (Converting through std::filesystem::path's own wide
// constructor throws for any non-ASCII character.)
std::filesystem::path PathFromWide(std::wstring_view text);
std::wstring WideFromPath(const std::filesystem::path& path);

}  // namespace platform
