#pragma once

// The designer's document: one template. Until the canvas edits entities,
// it keeps the template's items as read, so opening and saving a template
// keeps everything in it.

#include "common/TemplateFile.h"
#include "common/ui/Document.h"
#include "designer/TemplateFiles.h"

namespace designer {

class DesignerDocument : public Document, public TemplateStorage {
public:
  void NewTemplate() override;
  void LoadTemplate(const std::wstring& path) override;
  void SaveTemplate(const std::wstring& path) override;
  bool IsTemplateModified() const override { return m_modified; }
  void SetModifiedFlag(bool modified = true) { m_modified = modified; }

  const TemplateFile& GetTemplate() const { return m_template; }

private:
  TemplateFile m_template;
  bool m_modified = false;
};

}  // namespace designer
