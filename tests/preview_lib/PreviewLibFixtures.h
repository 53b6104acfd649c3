#pragma once

// An invoice as the main program hands it to the preview library: a
// template written by the common template writer and the invoice's data,
// built by hand. Also reading a PDF back as text (pdftotext).

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "common/FieldId.h"
#include "common/FieldMap.h"
#include "common/Value.h"
#include "tests/preview/PreviewFixtures.h"

namespace corvane::test {

// Number, client, invoice total, and one row each of the line columns
// name (1), quantity (3) and total (10), repeated up to `rowLimit` lines.
inline void SaveInvoiceTemplate(const std::filesystem::path& path, int32_t rowLimit = 5) {
  SaveTemplate(
      {
          LabelItem(L"INVOICE", InchRect{0.8, 0.6, 3.0, 0.9}),
          FieldItem(L"FLD_100_000", L"Invoice Number", InchRect{4.5, 0.6, 7.5, 0.9}),
          FieldItem(L"FLD_111_000", L"To (Client Name)", InchRect{0.8, 1.1, 5.0, 1.4}),
          RepeatItem(L"FLD_001_000", rowLimit, InchRect{0.8, 2.0, 3.8, 2.25}),
          RepeatItem(L"FLD_003_000", rowLimit, InchRect{4.0, 2.0, 4.8, 2.25}),
          RepeatItem(L"FLD_010_000", rowLimit, InchRect{5.0, 2.0, 7.0, 2.25}),
          LabelItem(L"Total:", InchRect{4.0, 4.0, 5.0, 4.3}),
          FieldItem(L"FLD_103_000", L"Invoice Total", InchRect{5.0, 4.0, 7.0, 4.3}),
      },
      path);
}

struct InvoiceLine {
  const wchar_t* name;
  int32_t quantity;
  double total;
};

inline constexpr InvoiceLine kInvoiceLines[] = {
    {L"Rye flour 25kg", 3, 142.5},
    {L"Sunflower seeds", 12, 38.4},
    {L"Baking paper roll", 7, 20.93},
};

inline FieldMap InvoiceData(size_t lines = std::size(kInvoiceLines)) {
  FieldMap data;
  data.Insert(FieldId(100, 0), Value(L"0042/24"));
  data.Insert(FieldId(111, 0), Value(L"Mountain Bakery Ltd"));
  double sum = 0;
  for (size_t row = 0; row < lines; ++row) {
    const InvoiceLine& line = kInvoiceLines[row % std::size(kInvoiceLines)];
    data.Insert(FieldId(1, static_cast<int32_t>(row)), Value(line.name));
    data.Insert(FieldId(3, static_cast<int32_t>(row)), Value(line.quantity));
    data.Insert(FieldId(10, static_cast<int32_t>(row)), Value(line.total));
    sum += line.total;
  }
  data.Insert(FieldId(103, 0), Value(sum));
  return data;
}

// Sets the print-to-file destination for the life of the object.
class PrintToFile {
public:
  explicit PrintToFile(const std::filesystem::path& pdf) {
    if (const char* old = std::getenv("CORVANE_PRINT_TO_FILE")) m_old = old;
    setenv("CORVANE_PRINT_TO_FILE", pdf.c_str(), 1);
  }
  ~PrintToFile() {
    if (m_old) {
      setenv("CORVANE_PRINT_TO_FILE", m_old->c_str(), 1);
    } else {
      unsetenv("CORVANE_PRINT_TO_FILE");
    }
  }
  PrintToFile(const PrintToFile&) = delete;
  PrintToFile& operator=(const PrintToFile&) = delete;

private:
  std::optional<std::string> m_old;
};

}  // namespace corvane::test
