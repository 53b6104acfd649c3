#pragma once

// The document templates of the main program and the values the
// application's open-form operations store in a new editing frame before its
// initial update (see CQuennetApp::OpenInvoiceForm and its siblings).
//
// A form's frame receives them by implementing FormArgumentsReceiver:
//
//   class InvoiceFrame : public BaseTabFrame, public FormArgumentsReceiver {
//     void SetFormArguments(const FormArguments& arguments) override {
//       SetObjectId(arguments.objectId);
//       m_companyId = arguments.companyId;
//       m_income = arguments.income;
//     }
//   };
//
// A BaseTabFrame that does not implement it gets the object id only.

#include <cstdint>

// Resource ids of the six document templates.
inline constexpr unsigned kMainFrameTemplate = 128;
inline constexpr unsigned kItemFormTemplate = 130;
inline constexpr unsigned kItemInputTemplate = 134;
inline constexpr unsigned kInvoiceFormTemplate = 137;
inline constexpr unsigned kCompanyFormTemplate = 140;
inline constexpr unsigned kPriceListFormTemplate = 141;

struct FormArguments {
  int32_t objectId = 0;       // the edited object; 0 = a new one
  int32_t companyId = 0;      // invoice form: the client preset on a new invoice, 0 = none
  bool income = false;        // invoice form: a new invoice is an income invoice
  bool itemGroup = false;     // item form: the object is an item group, not an item
  int32_t parentGroupId = 0;  // item form: the group under which a new one is made
  int32_t direction = 0;      // price-list form: 1 income, 2 outcome for a new list
  uint32_t initialPage = 0;   // the template id of the page to show first; 0 = the form's default

  bool operator==(const FormArguments&) const = default;
};

class FormArgumentsReceiver {
public:
  virtual ~FormArgumentsReceiver() = default;
  // Called once, after the frame and its view exist and before their initial update.
  virtual void SetFormArguments(const FormArguments& arguments) = 0;
};
