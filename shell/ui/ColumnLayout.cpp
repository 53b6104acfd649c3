#include "shell/ui/ColumnLayout.h"

#include <cwchar>
#include <set>

std::wstring FormatColumnOrder(const std::vector<int>& order) {
  std::wstring text;
  for (int index : order) text += std::to_wstring(index) + L";";
  return text;
}

std::optional<std::vector<int>> ParseColumnOrder(const std::wstring& text, int columnCount) {
  if (columnCount <= 0) return std::nullopt;
  std::vector<int> order;
  size_t position = 0;
  for (int i = 0; i < columnCount; ++i) {
    size_t end = text.find(L';', position);
    if (end == std::wstring::npos) break;
    std::wstring number = text.substr(position, end - position);
    order.push_back(static_cast<int>(std::wcstol(number.c_str(), nullptr, 10)));
    position = end + 1;
  }
  if (static_cast<int>(order.size()) != columnCount) return std::nullopt;
  // An order the list control would reject (an index out of range or twice)
  // leaves the default order.
  std::set<int> seen;
  for (int index : order)
    if (index < 0 || index >= columnCount || !seen.insert(index).second) return std::nullopt;
  return order;
}

std::wstring FormatColumnWidths(const std::vector<int>& widths) {
  std::wstring text;
  for (int width : widths) text += std::to_wstring(width) + L" ";
  return text;
}

std::vector<int> ParseColumnWidths(const std::wstring& text, int columnCount) {
  std::vector<int> widths;
  size_t position = 0;
  for (int i = 0; i < columnCount; ++i) {
    size_t end = position < text.size() ? text.find(L' ', position) : std::wstring::npos;
    if (end == std::wstring::npos) {
      widths.push_back(kDefaultColumnWidth);
      continue;
    }
    std::wstring number = text.substr(position, end - position);
    long width = std::wcstol(number.c_str(), nullptr, 10);
    widths.push_back(width < 0 ? kDefaultColumnWidth : static_cast<int>(width));
    position = end + 1;
  }
  return widths;
}
