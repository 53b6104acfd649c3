#pragma once

// The document of the small document/view set the programs are built on: it
// knows its views and tells them of changes. In the main program one shared
// document (the data lives in the database) holds every frame's views.

#include <vector>

class View;

class Document {
public:
  Document() = default;
  virtual ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // A view joins one document at a time; views leave on their destruction.
  void AddView(View* view);
  void RemoveView(View* view);
  const std::vector<View*>& GetViews() const { return m_views; }

  // Calls OnUpdate(sender, hint, hintObject) on every view but the sender.
  void UpdateAllViews(View* sender, long hint = 0, void* hintObject = nullptr);

private:
  std::vector<View*> m_views;
};
