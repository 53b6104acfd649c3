#pragma once

// One page template: its draw objects in drawing order, its kind, and the
// range of printed pages it makes (filled when the report numbers its pages).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "preview/DrawObject.h"

enum PageKind : int32_t {
  kMiddlePage = 0,
  kFirstPage = 1,
  kLastPage = 2,
};

class CContainer {
public:
  explicit CContainer(int32_t pageKind = kMiddlePage) : m_pageKind(pageKind) {}

  void Add(std::unique_ptr<CDrawObject> object) { m_objects.push_back(std::move(object)); }
  size_t GetCount() const { return m_objects.size(); }
  bool IsEmpty() const { return m_objects.empty(); }
  // Null past the end.
  CDrawObject* Get(size_t index) const { return index < m_objects.size() ? m_objects[index].get() : nullptr; }
  // The first object of that name in drawing order (names compare exactly).
  CDrawObject* Find(const std::wstring& name) const;
  const std::vector<std::unique_ptr<CDrawObject>>& Objects() const { return m_objects; }

  int32_t GetPageKind() const { return m_pageKind; }
  void SetPageKind(int32_t kind) { m_pageKind = kind; }
  // -1 when the page template prints no page.
  int32_t GetFirstPage() const { return m_firstPage; }
  int32_t GetLastPage() const { return m_lastPage; }
  void SetPageRange(int32_t first, int32_t last) {
    m_firstPage = first;
    m_lastPage = last;
  }

private:
  std::vector<std::unique_ptr<CDrawObject>> m_objects;
  int32_t m_pageKind;
  int32_t m_firstPage = -1;
  int32_t m_lastPage = -1;
};

// The page templates of a report, in order; owns them.
class CContainerArray {
public:
  size_t GetCount() const { return m_pages.size(); }
  bool IsEmpty() const { return m_pages.empty(); }
  // Null past the end (and for negative indexes).
  CContainer* Get(int64_t index) const;
  CContainer* Last() const { return m_pages.empty() ? nullptr : m_pages.back().get(); }
  void Add(std::unique_ptr<CContainer> page) { m_pages.push_back(std::move(page)); }
  void InsertAt(size_t index, std::unique_ptr<CContainer> page);
  void RemoveAll() { m_pages.clear(); }

  auto begin() const { return m_pages.begin(); }
  auto end() const { return m_pages.end(); }

private:
  std::vector<std::unique_ptr<CContainer>> m_pages;
};
