#include "common/ui/Document.h"

#include <algorithm>

#include "common/ui/View.h"

Document::~Document() {
  for (View* view : m_views) view->m_document = nullptr;
}

void Document::AddView(View* view) {
  if (!view || view->m_document == this) return;
  if (view->m_document) view->m_document->RemoveView(view);
  m_views.push_back(view);
  view->m_document = this;
}

void Document::RemoveView(View* view) {
  auto found = std::find(m_views.begin(), m_views.end(), view);
  if (found == m_views.end()) return;
  m_views.erase(found);
  view->m_document = nullptr;
}

void Document::UpdateAllViews(View* sender, long hint, void* hintObject) {
  // A view may close itself while it updates: walk a copy.
  std::vector<View*> views = m_views;
  for (View* view : views)
    if (view != sender && std::find(m_views.begin(), m_views.end(), view) != m_views.end())
      view->OnUpdate(sender, hint, hintObject);
}
