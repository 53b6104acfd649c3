#include "common/TextEscapes.h"

#include <string_view>

namespace {

struct Escape {
  std::wstring_view plain;
  std::wstring_view escaped;
};

// The order matters and is part of the stored form: records written by one
// version must read back the same in another.
constexpr Escape kFullSet[] = {{L":", L"\\colon"}, {L";", L"\\semicolon"}, {L",", L"\\comma"},
                               {L"|", L"\\bar"},   {L"#", L"\\hash"},      {L"\r\n", L"\\newline"}};
constexpr Escape kRecordSet[] = {
    {L":", L"\\colon"}, {L";", L"\\semicolon"}, {L",", L"\\comma"}, {L"\r\n", L"\\newline"}};

void ReplaceAll(std::wstring& text, std::wstring_view from, std::wstring_view to) {
  if (text.find(from) == std::wstring::npos) return;
  std::wstring result;
  result.reserve(text.size() + text.size() / 4);
  size_t start = 0;
  for (size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, start)) {
    result.append(text, start, at - start);
    result.append(to);
    start = at + from.size();
  }
  result.append(text, start, std::wstring::npos);
  text.swap(result);
}

template <size_t N>
void Apply(std::wstring& text, const Escape (&set)[N], bool escape) {
  for (const Escape& e : set) {
    if (escape)
      ReplaceAll(text, e.plain, e.escaped);
    else
      ReplaceAll(text, e.escaped, e.plain);
  }
}

}  // namespace

void EscapeText(std::wstring& text) {
  Apply(text, kFullSet, true);
}
void UnescapeText(std::wstring& text) {
  Apply(text, kFullSet, false);
}
void EscapeRecordText(std::wstring& text) {
  Apply(text, kRecordSet, true);
}
void UnescapeRecordText(std::wstring& text) {
  Apply(text, kRecordSet, false);
}
