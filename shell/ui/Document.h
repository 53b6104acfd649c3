#pragma once

// The document of the main program's document/view set: one shared document
// on which every frame's views sit. It knows its views and tells them of
// changes; the data itself lives in the database.

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
