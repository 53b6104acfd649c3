#include "preview/ui/InvoiceDocTemplate.h"

#include <algorithm>

#include <wx/app.h>

#include "preview/InvoiceDoc.h"
#include "preview/ui/InvoiceFrame.h"

InvoiceDocTemplate::~InvoiceDocTemplate() {
  CloseAllFrames();
}

std::unique_ptr<InvoiceDoc> InvoiceDocTemplate::CreateDocument(const std::wstring& templatePath,
                                                               const FieldMap* data) const {
  auto doc = std::make_unique<InvoiceDoc>();
  doc->SetTemplatePath(templatePath);
  doc->SetData(data ? *data : FieldMap());
  return doc;
}

InvoiceFrame* InvoiceDocTemplate::CreateFrame(std::unique_ptr<InvoiceDoc> doc, const std::wstring& title) {
  auto* frame = new InvoiceFrame(std::move(doc), this);
  if (!frame->Open(title)) {
    // A frame whose window failed was destroyed by wx or was never created.
    if (!frame->GetHandle()) delete frame;
    return nullptr;
  }
  return frame;
}

void InvoiceDocTemplate::CloseAllFrames() {
  if (!wxTheApp) {
    m_frames.clear();  // wx has ended and took its windows with it
    return;
  }
  const std::vector<InvoiceFrame*> frames = m_frames;
  for (InvoiceFrame* frame : frames) {
    if (!frame->IsBeingDeleted()) frame->SavePlacement();
    wxPendingDelete.DeleteObject(frame);  // a closed frame may wait for the next idle time
    delete frame;                         // removes itself from the list
  }
  m_frames.clear();
}

void InvoiceDocTemplate::AddFrame(InvoiceFrame* frame) {
  if (std::find(m_frames.begin(), m_frames.end(), frame) == m_frames.end()) m_frames.push_back(frame);
}

void InvoiceDocTemplate::RemoveFrame(InvoiceFrame* frame) {
  m_frames.erase(std::remove(m_frames.begin(), m_frames.end(), frame), m_frames.end());
}
