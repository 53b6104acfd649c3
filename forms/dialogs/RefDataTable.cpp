#include "forms/dialogs/RefDataTable.h"

#include <type_traits>

#include "data/TransactionScope.h"
#include "data/objects/DaysCondition.h"
#include "data/objects/Measurement.h"
#include "data/objects/PhoneCode.h"
#include "data/objects/Tax.h"
#include "data/objects/Template.h"
#include "forms/dialogs/DialogMessages.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/EditInputRules.h"

namespace {

// How a kind's two fields map to its business object: the first text, and
// the second value, which RefDataFields keeps as text, percent or days.
template <class Object, class Second, class SetterArgument>
struct KindColumns {
  using ObjectType = Object;
  std::wstring (Object::*getFirst)() const;
  void (Object::*setFirst)(const std::wstring&);
  Second (Object::*getSecond)() const;
  void (Object::*setSecond)(SetterArgument);
  Second RefDataFields::*field;
  void (*all)(std::vector<Object>&);
};

template <class Object, class Second, class SetterArgument>
KindColumns(std::wstring (Object::*)() const, void (Object::*)(const std::wstring&),
            Second (Object::*)() const, void (Object::*)(SetterArgument), Second RefDataFields::*,
            void (*)(std::vector<Object>&)) -> KindColumns<Object, Second, SetterArgument>;

// Runs work with the columns of the kind; unknown kinds do nothing.
template <class Work>
void WithKind(int kind, Work&& work) {
  using namespace Invoice;
  switch (kind) {
    case kRefMeasurements:
      work(KindColumns{&Measurement::GetName, &Measurement::SetName, &Measurement::GetShortcut,
                       &Measurement::SetShortcut, &RefDataFields::second, &GetAllMeasurements});
      break;
    case kRefTaxes:
      work(KindColumns{&Tax::GetName, &Tax::SetName, &Tax::GetPercent, &Tax::SetPercent,
                       &RefDataFields::percent, &GetAllTaxes});
      break;
    case kRefDaysConditions:
      work(KindColumns{&DaysCondition::GetName, &DaysCondition::SetName, &DaysCondition::GetDays,
                       &DaysCondition::SetDays, &RefDataFields::days, &GetAllDaysConditions});
      break;
    case kRefTemplates:
      work(KindColumns{&Template::GetName, &Template::SetName, &Template::GetFileName, &Template::SetFileName,
                       &RefDataFields::second, &GetAllTemplates});
      break;
    case kRefPhoneCodes:
      work(KindColumns{&PhoneCode::GetCountry, &PhoneCode::SetCountry, &PhoneCode::GetCode,
                       &PhoneCode::SetCode, &RefDataFields::second, &GetAllPhoneCodes});
      break;
    default:
      break;
  }
}

}  // namespace

bool RefDataTable::IsKnown() const {
  bool known = false;
  WithKind(m_kind, [&](const auto&) { known = true; });
  return known;
}

RefDataListTexts RefDataTable::ListTexts() const {
  switch (m_kind) {
    case kRefMeasurements:
      return {L"Measurements",
              L"RefMeasurements",
              L"&List of Measurement:",
              {{L"Name", 200, 0}, {L"Shortcut", 100, 0}},
              L"&Close"};
    case kRefTaxes:
      return {
          L"Taxes", L"RefTaxes", L"&List of Taxes:", {{L"Shortcut", 200, 0}, {L"Percent", 50, 1}}, L"Close"};
    case kRefDaysConditions:
      return {L"Payment conditions",
              L"RefDaysCondition",
              L"&List of Payment conditions:",
              {{L"Name", 200, 0}, {L"Allowed Delay in days", 50, 1}},
              L"Close"};
    case kRefTemplates:
      return {L"Templates",
              L"RefTemplates",
              L"&List of Templates:",
              {{L"Name", 200, 0}, {L"File Name", 50, 0}},
              L"Close"};
    case kRefPhoneCodes:
      return {L"Phone Codes",
              L"RefPhoneCodes",
              L"&List of Phone Codes:",
              {{L"Country", 200, 0}, {L"Code", 100, 0}},
              L"&Close"};
    default:
      return {};
  }
}

RefDataEditTexts RefDataTable::EditTexts() const {
  switch (m_kind) {
    case kRefMeasurements:
      return {L"New Measurement", L"Edit the Measurement", L"&Name:", L"&Shortcut:", L"Save", L"Cancel"};
    case kRefTaxes:
      return {L"New Tax", L"Edit the Tax", L"&Shortcut:", L"&Percent:", L"Save", L"Cancel"};
    case kRefDaysConditions:
      return {L"New Payment condition",
              L"Edit the Payment condition",
              L"&Name:",
              L"&Allowed Days to delay the Payment:",
              L"Save",
              L"Close"};
    case kRefTemplates:
      return {L"New Template", L"Edit the Template", L"&Name:", L"&File Name:", L"Save", L"Cancel"};
    case kRefPhoneCodes:
      return {L"New Phone Code", L"Edit the Phone Code", L"&Country:", L"&Code:", L"Save", L"Cancel"};
    default:
      return {};
  }
}

FieldLimits RefDataTable::FirstLimits() const {
  // NAME columns; the templates' is longer, a phone code's first is COUNTRY.
  // Every row is chosen by this text in the forms' lists: it is never empty.
  if (!IsKnown()) return {};
  const size_t length = m_kind == kRefTemplates ? 100 : 50;
  return FieldLimits::RequiredText(FieldNameOfLabel(EditTexts().firstLabel), length);
}

FieldLimits RefDataTable::SecondLimits() const {
  const std::wstring name = FieldNameOfLabel(EditTexts().secondLabel);
  switch (m_kind) {
    case kRefMeasurements:
      return FieldLimits::Text(name, 20);  // SHORTCUT
    case kRefTaxes:
      return FieldLimits::Decimal(name, 0.0, 100.0);  // a share of the price
    case kRefDaysConditions:
      return FieldLimits::Whole(name, kIntegerColumnMin, kIntegerColumnMax);
    case kRefTemplates:
      return FieldLimits::Text(name, 1024);  // FILE_NAME
    case kRefPhoneCodes:
      return FieldLimits::Text(name, 5);  // CODE
    default:
      return {};
  }
}

uint32_t RefDataTable::SecondInputType() const {
  if (m_kind == kRefTaxes) return kInputDecimal;
  if (m_kind == kRefDaysConditions) return kInputInteger;
  return kInputText;
}

void RefDataTable::AppendRows(std::vector<ListRow>& rows) const {
  WithKind(m_kind, [&](const auto& columns) {
    std::vector<typename std::decay_t<decltype(columns)>::ObjectType> objects;
    columns.all(objects);
    for (const auto& object : objects)
      rows.push_back(ListRow(object.GetId(),
                             {Value((object.*columns.getFirst)()), Value((object.*columns.getSecond)())}));
  });
}

RefDataFields RefDataTable::Load(int32_t id) const {
  RefDataFields fields;
  WithKind(m_kind, [&](const auto& columns) {
    const typename std::decay_t<decltype(columns)>::ObjectType object(id);
    fields.first = (object.*columns.getFirst)();
    fields.*columns.field = (object.*columns.getSecond)();
  });
  return fields;
}

int32_t RefDataTable::Save(int32_t id, const RefDataFields& fields) const {
  int32_t savedId = id;
  WithKind(m_kind, [&](const auto& columns) {
    TransactionScope scope;
    typename std::decay_t<decltype(columns)>::ObjectType object(id);
    (object.*columns.setFirst)(fields.first);
    (object.*columns.setSecond)(fields.*columns.field);
    object.Save();
    scope.Commit();
    savedId = object.GetId();
  });
  return savedId;
}

void RefDataTable::Delete(int32_t id) const {
  WithKind(m_kind, [&](const auto& columns) {
    TransactionScope scope;
    typename std::decay_t<decltype(columns)>::ObjectType object(id);
    object.Delete();
    scope.Commit();
  });
}

std::wstring RefDataTable::FormatSecond(const RefDataFields& fields) const {
  if (m_kind == kRefTaxes) return FormatAmount(fields.percent);
  if (m_kind == kRefDaysConditions) return std::to_wstring(fields.days);
  return fields.second;
}

void RefDataTable::ReadSecond(const std::wstring& text, RefDataFields& fields) const {
  fields.second = text;
  if (m_kind == kRefTaxes) fields.percent = ParseAmount(text);
  if (m_kind == kRefDaysConditions) fields.days = dialogs::ParseLeadingInt(text);
}
