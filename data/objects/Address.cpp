#include "data/objects/Address.h"

namespace Invoice {

void GetAddressNames(std::set<std::wstring>& names) {
  DataAccess::Instance().LoadAddressNames(names);
}

}  // namespace Invoice
