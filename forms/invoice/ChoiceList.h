#pragma once

// The entries of a drop-down list as the invoice form fills them: a text and
// an integer item data per entry, in the order added, and one selection (-1
// for none). The wx form copies it into its combo box and reads the user's
// choice back into it.

#include <cstdint>
#include <string>
#include <vector>

struct Choice {
  std::wstring text;
  int32_t data = 0;

  bool operator==(const Choice&) const = default;
};

class ChoiceList {
public:
  // Drops every entry and the selection.
  void Clear();
  // Appends an entry; its index.
  int Add(const std::wstring& text, int32_t data);

  // An index outside the entries selects none.
  void Select(int index);
  int GetSelection() const { return m_selection; }
  // The item data of the selected entry; 0 when nothing is selected.
  int32_t GetSelectedData() const;
  // The first entry holding the data, or -1.
  int FindData(int32_t data) const;

  const std::vector<Choice>& Items() const { return m_items; }
  int GetCount() const { return static_cast<int>(m_items.size()); }

private:
  std::vector<Choice> m_items;
  int m_selection = -1;
};
