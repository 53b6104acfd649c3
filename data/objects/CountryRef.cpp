#include "data/objects/CountryRef.h"

namespace Invoice {

void CountryRef::SetRefType(int kind) {
  if (kind == 0) m_record.refType = L"CITY";
  if (kind == 1) m_record.refType = L"STATE";
  m_modified = true;
}

}  // namespace Invoice
