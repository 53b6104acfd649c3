#pragma once

// An invoice template layout (TEMPLATES): a name and the path of its .zlt file.

#include <string>
#include <vector>

#include "data/objects/RecordObject.h"

namespace Invoice {

class Template : public RecordObject<Template, TemplateRecord, &DataAccess::LoadTemplate,
                                     &DataAccess::SaveTemplate, &DataAccess::DeleteTemplate> {
public:
  using RecordObject::RecordObject;

  // Refused while an invoice uses the template.
  void Delete() override;

  std::wstring GetName() const { return m_record.name; }
  std::wstring GetFileName() const { return m_record.fileName; }

  void SetName(const std::wstring& value) { Set(m_record.name, value); }
  void SetFileName(const std::wstring& value) { Set(m_record.fileName, value); }
};

// Every template, by NAME.
void GetAllTemplates(std::vector<Template>& templates);

}  // namespace Invoice
