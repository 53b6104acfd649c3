#pragma once

// Makes the documents and frames of invoice previews, and knows which frames
// are open, so that the library can close them before it is unloaded.

#include <memory>
#include <string>
#include <vector>

class FieldMap;
class InvoiceDoc;
class InvoiceFrame;

class InvoiceDocTemplate {
public:
  // The id of the template and of the frame's menu.
  static constexpr int kResourceId = 2001;

  InvoiceDocTemplate() = default;
  // Closes the frames still open.
  ~InvoiceDocTemplate();
  InvoiceDocTemplate(const InvoiceDocTemplate&) = delete;
  InvoiceDocTemplate& operator=(const InvoiceDocTemplate&) = delete;

  // A new document of the template file with a copy of the data (null: no
  // data), not loaded yet.
  std::unique_ptr<InvoiceDoc> CreateDocument(const std::wstring& templatePath, const FieldMap* data) const;
  // A new frame that owns the document, its window created hidden with the
  // caption of `title` and its preview started. Null when the window cannot
  // be created.
  InvoiceFrame* CreateFrame(std::unique_ptr<InvoiceDoc> doc, const std::wstring& title);

  // Deletes every open frame now, saving its placement; for the library's
  // unloading, when no deferred deletion would run any more.
  void CloseAllFrames();

  const std::vector<InvoiceFrame*>& GetFrames() const { return m_frames; }

  // Called by the frames.
  void AddFrame(InvoiceFrame* frame);
  void RemoveFrame(InvoiceFrame* frame);

private:
  std::vector<InvoiceFrame*> m_frames;
};
