#include "TextCodec.h"

#include <algorithm>

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsScalar(char32_t c) { return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF); }

void AppendUtf8(std::string& out, char32_t c) {
  if (!IsScalar(c)) c = kReplacement;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one sequence at bytes[i]; advances i. Returns nullopt for an invalid
// sequence (i then moves past its first byte).
std::optional<char32_t> NextUtf8(std::string_view bytes, size_t& i) {
  const auto b0 = static_cast<unsigned char>(bytes[i++]);
  if (b0 < 0x80) return b0;
  int extra;
  char32_t c;
  char32_t min;
  if ((b0 & 0xE0) == 0xC0) {
    extra = 1, c = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2, c = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3, c = b0 & 0x07, min = 0x10000;
  } else {
    return std::nullopt;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= bytes.size()) return std::nullopt;
    const auto b = static_cast<unsigned char>(bytes[i]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (b & 0x3F);
    ++i;
  }
  if (c < min || !IsScalar(c)) return std::nullopt;
  return c;
}

}  // namespace

std::string ToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t ch : text) AppendUtf8(out, static_cast<char32_t>(ch));
  return out;
}

std::optional<std::wstring> DecodeUtf8(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    auto c = NextUtf8(bytes, i);
    if (!c) return std::nullopt;
    out += static_cast<wchar_t>(*c);
  }
  return out;
}

std::wstring FromUtf8(std::string_view bytes) {
  // ASCII, by far the most common text, widens byte by byte; any other byte
  // sends the whole text through the decoder.
  if (std::all_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; }))
    return std::wstring(bytes.begin(), bytes.end());
  std::wstring out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    auto c = NextUtf8(bytes, i);
    out += static_cast<wchar_t>(c ? *c : kReplacement);
  }
  return out;
}

std::vector<uint8_t> ToUtf16Le(std::wstring_view text) {
  std::vector<uint8_t> out;
  out.reserve(text.size() * 2);
  auto put = [&out](uint16_t unit) {
    out.push_back(static_cast<uint8_t>(unit & 0xFF));
    out.push_back(static_cast<uint8_t>(unit >> 8));
  };
  for (wchar_t ch : text) {
    char32_t c = static_cast<char32_t>(ch);
    if (!IsScalar(c)) c = kReplacement;
    if (c < 0x10000) {
      put(static_cast<uint16_t>(c));
    } else {
      c -= 0x10000;
      put(static_cast<uint16_t>(0xD800 | (c >> 10)));
      put(static_cast<uint16_t>(0xDC00 | (c & 0x3FF)));
    }
  }
  return out;
}

std::wstring FromUtf16Le(const uint8_t* bytes, size_t count, bool stopAtNul) {
  std::wstring out;
  const size_t units = count / 2;
  out.reserve(units);
  auto unitAt = [bytes](size_t k) { return static_cast<char32_t>(bytes[2 * k] | (bytes[2 * k + 1] << 8)); };
  for (size_t k = 0; k < units; ++k) {
    char32_t u = unitAt(k);
    if (u == 0 && stopAtNul) break;
    if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units) {
      char32_t low = unitAt(k + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        out += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        ++k;
        continue;
      }
    }
    out += static_cast<wchar_t>(IsScalar(u) ? u : kReplacement);
  }
  return out;
}

size_t Utf16Length(std::wstring_view text) {
  size_t n = 0;
  for (wchar_t ch : text) n += static_cast<char32_t>(ch) >= 0x10000 && IsScalar(static_cast<char32_t>(ch)) ? 2 : 1;
  return n;
}

std::filesystem::path PathFromWide(std::wstring_view text) { return std::filesystem::path(ToUtf8(text)); }

std::wstring WideFromPath(const std::filesystem::path& path) { return FromUtf8(path.native()); }

}  // namespace platform
