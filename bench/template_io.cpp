// Writes a template of 10,000 items and reads it back, and sets the read time
// beside a plain read of the same bytes into a buffer.
//
//   template_io [item count] [repetitions]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/TemplateFile.h"
#include "common/UnitConversions.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A label-like item with the properties the designer writes for one field.
TemplateItem MakeItem(int index) {
  namespace p = template_props;
  TemplateItem item(index % 3 == 0 ? TemplateItemType::InvoiceField : TemplateItemType::Label);
  const std::wstring title = L"Item " + std::to_wstring(index);
  item.SetProperty(p::kText, Value(title));
  item.SetProperty(p::kTitle, Value(title));
  item.SetProperty(p::kName, Value(L"FLD_001_000"));
  item.SetProperty(p::kGroup, Value(int32_t{index % 5}));
  item.SetProperty(p::kFontFace, Value(L"Times New Roman"));
  item.SetProperty(p::kFontSize, Value(int32_t{120}));
  item.SetProperty(p::kBold, Value::Boolean(index % 2 == 0));
  item.SetProperty(p::kItalic, Value::Boolean(false));
  item.SetProperty(p::kUnderline, Value::Boolean(false));
  item.SetProperty(p::kStrikeOut, Value::Boolean(false));
  item.SetProperty(p::kTextColor, Value(int32_t{0}));
  item.SetProperty(p::kAlignment, Value(int32_t{index % 3}));
  item.SetProperty(p::kLeft, Value(PixelsToInches(index % 700)));
  item.SetProperty(p::kTop, Value(PixelsToInches(index % 1000)));
  item.SetProperty(p::kRight, Value(PixelsToInches(index % 700 + 100)));
  item.SetProperty(p::kBottom, Value(PixelsToInches(index % 1000 + 20)));
  if (item.GetType() == static_cast<int32_t>(TemplateItemType::InvoiceField))
    item.SetProperty(p::kFieldKey, Value(L"FLD_100_000"));
  return item;
}

}  // namespace

int main(int argc, char** argv) {
  const int itemCount = argc > 1 ? std::atoi(argv[1]) : 10000;
  const int repetitions = argc > 2 ? std::atoi(argv[2]) : 5;
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("corvane-template-io-" + std::to_string(::getpid()) + ".zlt");

  TemplateFile file;
  auto start = Clock::now();
  for (int i = 0; i < itemCount; ++i) file.AddItem(MakeItem(i));
  const double buildMs = MillisecondsSince(start);

  double writeMs = 1e300, readMs = 1e300, plainMs = 1e300;
  size_t bytes = 0;
  for (int r = 0; r < repetitions; ++r) {
    start = Clock::now();
    file.Save(path);
    writeMs = std::min(writeMs, MillisecondsSince(start));

    start = Clock::now();
    TemplateFile read;
    read.Load(path);
    readMs = std::min(readMs, MillisecondsSince(start));
    if (read.GetCount() != file.GetCount() || !(read == file)) {
      std::fprintf(stderr, "the template read back differs from the one written\n");
      return 1;
    }

    start = Clock::now();
    std::ifstream in(path, std::ios::binary);
    std::vector<char> buffer(std::filesystem::file_size(path));
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    plainMs = std::min(plainMs, MillisecondsSince(start));
    bytes = buffer.size();
  }
  std::filesystem::remove(path);

  std::printf("template_io: %d items, %zu bytes, best of %d runs\n", itemCount, bytes, repetitions);
  std::printf("  build items  %9.3f ms\n", buildMs);
  std::printf("  write (Save) %9.3f ms\n", writeMs);
  std::printf("  read (Load)  %9.3f ms\n", readMs);
  std::printf("  plain read   %9.3f ms  (std::ifstream into a buffer)\n", plainMs);
  std::printf("  read / plain %9.1f x\n", plainMs > 0 ? readMs / plainMs : 0.0);
  return 0;
}
