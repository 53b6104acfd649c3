#include "data/objects/Template.h"

#include "data/objects/ObjectLists.h"

namespace Invoice {

void Template::Delete() {
  DeleteUnlessUsed(&DataAccess::CheckTemplateDeletable, GetId());
}

void GetAllTemplates(std::vector<Template>& templates) {
  lists::AppendAllById(&DataAccess::LoadTemplateIds, templates);
}

}  // namespace Invoice
