#include "data/objects/Web.h"

namespace Invoice {

void GetWebNames(std::set<std::wstring>& names) {
  DataAccess::Instance().LoadWebNames(names);
}

}  // namespace Invoice
