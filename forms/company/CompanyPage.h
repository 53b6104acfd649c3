#pragma once

// Base of the company form's pages: the page's template id, and the frame's
// company, its id and modified flag.

#include <cstdint>
#include <functional>

#include "shell/ui/BaseTabPage.h"

class BaseListCtrl;
class CompanyFrame;

namespace Invoice {
class Company;
}

class CompanyPage : public BaseTabPage {
public:
  CompanyPage(uint32_t templateId, wxWindow* parent) : BaseTabPage(templateId, parent) {}

protected:
  CompanyFrame* GetCompanyFrame() const;
  // The edited company; null outside a company frame.
  Invoice::Company* GetCompany() const;
  // The frame's company id; 0 for a company never saved.
  int32_t GetCompanyId() const;
  void MarkModified();
  // A database failure's text, caption "Corvane", error icon.
  static void ShowError(const std::wstring& text);
  // A right click on the list selects the row under it (unless it is
  // selected already), then shows the menu.
  static void BindContextMenu(BaseListCtrl* list, std::function<void()> showMenu);
};
