#pragma once

// One web link of a company (WEBS).

#include <set>
#include <string>

#include "data/objects/RecordObject.h"

namespace Invoice {

class Web : public RecordObject<Web, WebRecord, &DataAccess::LoadWeb, &DataAccess::SaveWeb,
                                &DataAccess::DeleteWeb> {
public:
  using RecordObject::RecordObject;

  std::wstring GetName() const { return m_record.name; }
  std::wstring GetWeb() const { return m_record.web; }
  int GetCompanyId() const { return m_record.companyObjectId; }

  void SetName(const std::wstring& value) { Set(m_record.name, value); }
  void SetWeb(const std::wstring& value) { Set(m_record.web, value); }
  void SetCompanyId(int value) { Set(m_record.companyObjectId, value); }
};

// The distinct web-link captions (NAME) of all companies.
void GetWebNames(std::set<std::wstring>& names);

}  // namespace Invoice
