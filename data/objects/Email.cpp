#include "data/objects/Email.h"

namespace Invoice {

void GetEmailNames(std::set<std::wstring>& names) {
  DataAccess::Instance().LoadEmailNames(names);
}

}  // namespace Invoice
