#include "forms/invoice/ChoiceList.h"

void ChoiceList::Clear() {
  m_items.clear();
  m_selection = -1;
}

int ChoiceList::Add(const std::wstring& text, int32_t data) {
  m_items.push_back({text, data});
  return GetCount() - 1;
}

void ChoiceList::Select(int index) {
  m_selection = index >= 0 && index < GetCount() ? index : -1;
}

int32_t ChoiceList::GetSelectedData() const {
  return m_selection >= 0 ? m_items[m_selection].data : 0;
}

int ChoiceList::FindData(int32_t data) const {
  for (int index = 0; index < GetCount(); ++index)
    if (m_items[index].data == data) return index;
  return -1;
}
