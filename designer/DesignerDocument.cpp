#include "designer/DesignerDocument.h"

#include <filesystem>
#include <stdexcept>

#include "platform/MessageBox.h"
#include "platform/TextCodec.h"

namespace designer {

void DesignerDocument::NewTemplate() {
  m_doc.OnNewDocument();
  UpdateAllViews(nullptr);
}

void DesignerDocument::LoadTemplate(const std::wstring& path) {
  const CPlandelDoc::LoadOutcome outcome = m_doc.Load(platform::PathFromWide(path));
  UpdateAllViews(nullptr);
  if (!outcome.Ok()) throw std::runtime_error(platform::ToUtf8(outcome.error));
  if (outcome.skippedItems > 0) {
    platform::ShowMessageBox(CPlandelDoc::SkippedItemsMessage(outcome.skippedItems), kAppTitle,
                             platform::MB_OK | platform::MB_ICONINFORMATION);
  }
}

void DesignerDocument::SaveTemplate(const std::wstring& path) {
  m_doc.Save(platform::PathFromWide(path));
}

}  // namespace designer
