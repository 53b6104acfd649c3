#pragma once

// The frame of the company form (document template 140): its menu, toolbar
// and status bar, and the edited company, which it owns. The application's
// open-form operation stores the company id (0 for a new company) and,
// optionally, the page to show first. Closing it while modified asks
// "Would you like to save the changes?".

#include <cstdint>

#include "shell/FormArguments.h"
#include "shell/ui/BaseTabFrame.h"

class CompanyForm;
class View;

namespace Invoice {
class Company;
}

class CompanyFrame : public BaseTabFrame, public FormArgumentsReceiver {
public:
  static constexpr unsigned kResourceId = 140;

  CompanyFrame();

  void SetFormArguments(const FormArguments& arguments) override;
  // The page to select after the initial update; 0 for "Details".
  uint32_t GetInitialPage() const { return m_initialPage; }

  // A new company for id 0, else the stored one.
  void LoadEditedObject() override;
  Invoice::Company* GetCompany() const;

  // Saves through the form; true when the modified flag is clear afterwards.
  bool SaveChanges() override;

  CompanyForm* GetForm() const;

protected:
  int OnCreate() override;

private:
  uint32_t m_initialPage = 0;
};

// The factories of document template 140.
BaseFrameWnd* CreateCompanyFrame(wxWindow* parent);
View* CreateCompanyFormView(BaseFrameWnd* frame);
