#pragma once

// The designer's document: one template (CPlandelDoc) whose entities the
// view's canvas edits, with the file side TemplateFiles drives.

#include "common/ui/Document.h"
#include "designer/TemplateFiles.h"
#include "template/CPlandelDoc.h"

namespace designer {

class DesignerDocument : public Document, public TemplateStorage {
public:
  void NewTemplate() override;
  // Throws with the reason when the file cannot be read. Items of kinds the
  // designer cannot show are left out, and the user is told so.
  void LoadTemplate(const std::wstring& path) override;
  void SaveTemplate(const std::wstring& path) override;
  bool IsTemplateModified() const override { return m_doc.IsModified(); }
  void SetModifiedFlag(bool modified = true) { m_doc.SetModifiedFlag(modified); }

  CPlandelDoc& GetDoc() { return m_doc; }
  const CPlandelDoc& GetDoc() const { return m_doc; }

private:
  CPlandelDoc m_doc;
};

}  // namespace designer
