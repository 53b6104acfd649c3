#pragma once

// The stored column layout of a list: the display order as "%ld;" per column
// and the widths as "%d " per column, one string value per list name under
// the two keys below.

#include <optional>
#include <string>
#include <vector>

inline constexpr wchar_t kListColOrderKey[] = L"Software\\Corvane\\ListColOrder";
inline constexpr wchar_t kListColWidthKey[] = L"Software\\Corvane\\ListColWidth";
inline constexpr int kDefaultColumnWidth = 50;

// order[i] is the column index shown at display position i.
std::wstring FormatColumnOrder(const std::vector<int>& order);
// The stored order, only when it holds exactly columnCount entries that are
// each column index once; anything else keeps the list's own order.
std::optional<std::vector<int>> ParseColumnOrder(const std::wstring& text, int columnCount);

// widths[i] is the width of column index i.
std::wstring FormatColumnWidths(const std::vector<int>& widths);
// Always columnCount widths; a column without a stored width gets 50.
std::vector<int> ParseColumnWidths(const std::wstring& text, int columnCount);
