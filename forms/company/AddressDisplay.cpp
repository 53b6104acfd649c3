#include "forms/company/AddressDisplay.h"

#include "forms/company/ContactList.h"

namespace {
constexpr wchar_t kLineBreak[] = L"\r\n";
}

std::wstring ComposeAddressDisplay(const AddressFields& fields) {
  std::wstring text;
  std::wstring separator;
  auto append = [&](const std::wstring& part, const wchar_t* next) {
    if (part.empty()) return false;
    text += separator + part;
    separator = next;
    return true;
  };
  append(fields.line1, kLineBreak);
  append(fields.line2, kLineBreak);
  append(fields.line3, kLineBreak);
  const bool hasZip = append(fields.zip, L" ");
  // The city shares the ZIP's line; without a city that line ends after the ZIP.
  if (!append(fields.city, kLineBreak) && hasZip) separator = kLineBreak;
  append(fields.state, kLineBreak);
  append(fields.country, kLineBreak);
  return text;
}

std::wstring ToEditLineBreaks(const std::wstring& stored) {
  std::wstring text;
  text.reserve(stored.size());
  for (size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == L'\r') {
      text += L'\n';
      if (i + 1 < stored.size() && stored[i + 1] == L'\n') ++i;
    } else {
      text += stored[i];
    }
  }
  return text;
}

std::wstring ToStoredLineBreaks(const std::wstring& edited) {
  const std::wstring plain = ToEditLineBreaks(edited);
  std::wstring text;
  text.reserve(plain.size() + 8);
  for (wchar_t c : plain) {
    if (c == L'\n')
      text += kLineBreak;
    else
      text += c;
  }
  return text;
}

std::wstring AddressChoiceText(const std::wstring& caption, const std::wstring& display) {
  constexpr wchar_t kBlank[] = L" \t\r\n";
  if (caption.find_first_not_of(kBlank) != std::wstring::npos) return caption;
  const size_t start = display.find_first_not_of(kBlank);
  if (start == std::wstring::npos) return kEmptyContactText;
  return display.substr(start, display.find_first_of(L"\r\n", start) - start);
}
