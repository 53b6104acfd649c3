#include "tools/ShippedTemplates.h"

#include <system_error>

#include "common/FieldId.h"
#include "common/TemplateItemBuilders.h"

using template_items::BoxItem;
using template_items::FieldItem;
using template_items::InchRect;
using template_items::LabelItem;
using template_items::RepeatItem;

namespace {

// Right-aligned text, for amounts.
constexpr int32_t kRight = 2;

std::wstring Key(int32_t field) {
  return FieldId(field, 0).GetKey();
}

TemplateItem Aligned(TemplateItem item, int32_t alignment, int32_t tenthPoints = 100, bool bold = false) {
  using namespace template_props;
  item.SetProperty(kAlignment, Value(alignment));
  item.SetProperty(kFontSize, Value(tenthPoints));
  item.SetProperty(kBold, Value::Boolean(bold));
  return item;
}

// A4 portrait, 8.27 x 11.69 inches, with margins of about 0.6 inch.
void AddLayout(TemplateFile& file, const std::wstring& title, const std::wstring& fromCaption,
               const std::wstring& toCaption) {
  auto add = [&file](TemplateItem item) { file.AddItem(std::move(item)); };
  add(Aligned(LabelItem(title, {0.6, 0.5, 4.6, 0.9}), 0, 200, true));
  add(Aligned(LabelItem(L"Number:", {4.9, 0.55, 5.9, 0.75}), 0));
  add(Aligned(FieldItem(Key(100), L"Invoice Number", {5.9, 0.55, 7.67, 0.75}), kRight, 100, true));
  add(Aligned(LabelItem(L"Date:", {4.9, 0.8, 5.9, 1.0}), 0));
  add(Aligned(FieldItem(Key(101), L"Date", {5.9, 0.8, 7.67, 1.0}), kRight));
  add(Aligned(LabelItem(L"Payment within (days):", {4.9, 1.05, 6.6, 1.25}), 0));
  add(Aligned(FieldItem(Key(108), L"Allowed Delay", {6.6, 1.05, 7.67, 1.25}), kRight));

  add(Aligned(LabelItem(fromCaption, {0.6, 1.5, 3.9, 1.7}), 0, 90, true));
  add(Aligned(FieldItem(Key(112), L"From (Vendor Name)", {0.6, 1.75, 3.9, 1.95}), 0, 100, true));
  add(FieldItem(Key(110), L"From (Vendor Address)", {0.6, 2.0, 3.9, 2.9}));
  add(Aligned(LabelItem(toCaption, {4.3, 1.5, 7.67, 1.7}), 0, 90, true));
  add(Aligned(FieldItem(Key(111), L"To (Client Name)", {4.3, 1.75, 7.67, 1.95}), 0, 100, true));
  add(FieldItem(Key(106), L"To (Client Address)", {4.3, 2.0, 7.67, 2.9}));

  // The lines: a heading band, then up to 24 rows of a quarter inch.
  struct Column {
    const wchar_t* heading;
    int32_t field;
    double left, right;
    int32_t alignment;
  };
  const Column columns[] = {
      {L"Code", 11, 0.6, 1.5, 0},    {L"Item", 1, 1.55, 3.9, 0},       {L"Quantity", 3, 3.9, 4.6, kRight},
      {L"Price", 2, 4.6, 5.45, kRight}, {L"Disc. %", 6, 5.45, 6.05, kRight}, {L"Tax %", 8, 6.05, 6.6, kRight},
      {L"Total", 10, 6.6, 7.67, kRight},
  };
  add(BoxItem({0.6, 3.1, 7.67, 3.38}, true, false, 0xEEEEEE));
  constexpr double kFirstRow = 3.42;
  constexpr double kRowHeight = 0.25;
  constexpr int32_t kRows = 24;
  for (const Column& column : columns) {
    add(Aligned(LabelItem(column.heading, {column.left + 0.03, 3.15, column.right - 0.03, 3.35}),
                column.alignment, 90, true));
    add(Aligned(RepeatItem(FieldId(column.field, 0).GetKey(), kRows,
                           {column.left + 0.03, kFirstRow, column.right - 0.03, kFirstRow + kRowHeight}),
                column.alignment, 90));
  }

  // The footer below the last row.
  constexpr double kFooter = kFirstRow + kRows * kRowHeight + 0.15;
  struct Total {
    const wchar_t* caption;
    int32_t field;
  };
  const Total totals[] = {
      {L"Without tax:", 109}, {L"Discount %:", 104}, {L"Discount:", 105}, {L"Tax:", 102}, {L"Total:", 103},
  };
  double top = kFooter;
  for (const Total& total : totals) {
    const bool last = total.field == 103;
    add(Aligned(LabelItem(total.caption, {4.6, top, 6.2, top + 0.22}), 0, last ? 110 : 100, last));
    add(Aligned(FieldItem(Key(total.field), total.caption, {6.2, top, 7.67, top + 0.22}), kRight,
                last ? 110 : 100, last));
    top += 0.25;
  }
  add(Aligned(LabelItem(L"Page [%page%]", {0.6, 11.0, 7.67, 11.2}), 1, 80));
}

}  // namespace

const std::vector<ShippedTemplate>& ShippedTemplates() {
  static const std::vector<ShippedTemplate> templates = {
      {L"Invoice (A4)", "invoice-a4.zlt", true},
      {L"Incoming invoice (A4)", "incoming-invoice-a4.zlt", false},
  };
  return templates;
}

TemplateFile BuildShippedTemplate(const ShippedTemplate& shipped) {
  TemplateFile file;
  if (shipped.isDefault)
    AddLayout(file, L"INVOICE", L"From", L"Bill to");
  else
    AddLayout(file, L"INCOMING INVOICE", L"Supplier", L"Received by");
  return file;
}

std::filesystem::path ShippedTemplateFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const std::filesystem::path installed = program.parent_path().parent_path() / "share/corvane/templates";
    if (std::filesystem::exists(installed / ShippedTemplates().front().fileName, error)) return installed;
  }
  return CORVANE_BUILD_TEMPLATE_DIR;
}
