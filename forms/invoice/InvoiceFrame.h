#pragma once

// The frame of the invoice form (document template 137): its own menu,
// toolbar and status bar, and the three values the application's open-form
// operation stores in it: the invoice id (0 for a new invoice, the stored id
// after the first save), the company given at opening, and the income flag.
// Closing it while modified asks "Would you like to save the changes?".
//
// The application registers the form's template with the two factories:
//
//   CQuennetApp::RegisterFormTemplate(kInvoiceFormTemplate, CreateInvoiceFrame, CreateInvoiceFormView);

#include <cstdint>

#include "shell/FormArguments.h"
#include "shell/ui/BaseSaveFrame.h"

class InvoiceForm;
class View;

class InvoiceFrame : public BaseSaveFrame, public FormArgumentsReceiver {
public:
  static constexpr unsigned kResourceId = 137;

  InvoiceFrame();

  // objectId, companyId and income of the open-form operation.
  void SetFormArguments(const FormArguments& arguments) override;

  int32_t GetInvoiceId() const { return m_invoiceId; }
  void SetInvoiceId(int32_t invoiceId) { m_invoiceId = invoiceId; }
  int32_t GetCompanyId() const { return m_companyId; }
  bool IsIncome() const { return m_income; }

  // Saves through the form; true when the save succeeded (the modified flag
  // is clear again). A failed save keeps the frame open with the edits.
  bool SaveChanges() override;

  // The frame's form, null before the view was made.
  InvoiceForm* GetForm() const;

protected:
  int OnCreate() override;

private:
  int32_t m_invoiceId = 0;
  int32_t m_companyId = 0;
  bool m_income = false;
};

// The factories of document template 137: the loaded frame (null when its
// window cannot be made), and the form inside it.
BaseFrameWnd* CreateInvoiceFrame(wxWindow* parent);
View* CreateInvoiceFormView(BaseFrameWnd* frame);
