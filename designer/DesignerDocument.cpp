#include "designer/DesignerDocument.h"

#include <filesystem>

namespace designer {

void DesignerDocument::NewTemplate() {
  m_template.Clear();
  m_modified = false;
  UpdateAllViews(nullptr);
}

void DesignerDocument::LoadTemplate(const std::wstring& path) {
  TemplateFile file;
  file.Load(std::filesystem::path(path));
  m_template = std::move(file);
  m_modified = false;
  UpdateAllViews(nullptr);
}

void DesignerDocument::SaveTemplate(const std::wstring& path) {
  m_template.Save(std::filesystem::path(path));
  m_modified = false;
}

}  // namespace designer
