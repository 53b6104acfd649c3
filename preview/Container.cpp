#include "preview/Container.h"

#include <algorithm>

CDrawObject* CContainer::Find(const std::wstring& name) const {
  for (const auto& object : m_objects) {
    if (object->GetName() == name) return object.get();
  }
  return nullptr;
}

CContainer* CContainerArray::Get(int64_t index) const {
  if (index < 0 || static_cast<size_t>(index) >= m_pages.size()) return nullptr;
  return m_pages[static_cast<size_t>(index)].get();
}

void CContainerArray::InsertAt(size_t index, std::unique_ptr<CContainer> page) {
  m_pages.insert(m_pages.begin() + static_cast<std::ptrdiff_t>(std::min(index, m_pages.size())),
                 std::move(page));
}
