#pragma once

// Template items as the designer writes them, and a recorder that draws
// pages without a display, for the preview engine's tests.

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/FieldId.h"
#include "common/TemplateFile.h"
#include "common/TemplateItem.h"
#include "common/TemplateItemBuilders.h"
#include "platform/gdi/PageRecorder.h"

namespace corvane::test {

using template_items::BoxItem;
using template_items::FieldItem;
using template_items::InchRect;
using template_items::LabelItem;
using template_items::RepeatItem;
using template_items::SetCommon;
using template_items::SetText;

inline void SaveTemplate(const std::vector<TemplateItem>& items, const std::filesystem::path& path) {
  TemplateFile file;
  for (const TemplateItem& item : items) file.AddItem(item);
  file.Save(path);
}

inline platform::gdi::DeviceMetrics Metrics(int32_t ppiX, int32_t ppiY = 0) {
  platform::gdi::DeviceMetrics metrics;
  metrics.pixelsPerInchX = ppiX;
  metrics.pixelsPerInchY = ppiY ? ppiY : ppiX;
  return metrics;
}

// What a command prints; empty when it cannot run.
inline std::string CommandOutput(const std::string& command) {
  std::string output;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return output;
  std::array<char, 4096> buffer{};
  size_t got;
  while ((got = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) output.append(buffer.data(), got);
  return output;
}

// The text of a PDF file as pdftotext reads it, and its document information.
inline std::string PdfText(const std::filesystem::path& pdf) {
  return CommandOutput("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
}
inline std::string PdfInfo(const std::filesystem::path& pdf) {
  return CommandOutput("pdfinfo '" + pdf.string() + "' 2>/dev/null");
}

// The texts of a recorded page, in drawing order.
inline std::vector<std::wstring> TextsOf(const platform::gdi::RecordedPage& page) {
  std::vector<std::wstring> texts;
  for (const platform::gdi::TextOp* op : page.Texts()) texts.push_back(op->text);
  return texts;
}

}  // namespace corvane::test
