// libFuzzer target of the designer's template loading: the entities built
// from whatever items a template file holds. Any input must either load or
// leave an empty document with an error text; what loads must draw, copy,
// paste, undo and save, and its saved form must load back to the same file.
//
// As in the reader's target, odd first bytes seal the rest of the input
// (length and CRC) so that the items reach the entity building.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "common/Crc16.h"
#include "common/TemplateFile.h"
#include "platform/gdi/PageRecorder.h"
#include "template/CPlandelDoc.h"

namespace {

void Seal(std::vector<uint8_t>& bytes) {
  if (bytes.size() < 6) return;
  const uint32_t length = static_cast<uint32_t>(bytes.size() - 2);
  for (int i = 0; i < 4; ++i) bytes[2 + i] = static_cast<uint8_t>(length >> (8 * i));
  const uint16_t crc = ComputeCrc16(bytes.data() + 2, bytes.size() - 2);
  bytes[0] = static_cast<uint8_t>(crc);
  bytes[1] = static_cast<uint8_t>(crc >> 8);
}

void Exercise(CPlandelDoc& doc) {
  CDiagramEntityContainer& container = doc.GetContainer();
  platform::gdi::FixedTextMeasurer measurer;
  platform::gdi::PageRecorder page(platform::gdi::DeviceMetrics{}, measurer);
  for (int index = 0; CDiagramEntity* entity = container.GetAt(index); ++index) {
    entity->DrawObject(page, 1.5);
    entity->GetHitCode(platform::gdi::Point{10, 10});
  }
  volatile size_t sink = 0;
  for (const std::wstring& record : doc.GetTextRecords()) sink = sink + record.size();
  container.Snapshot();
  container.SelectAll();
  container.CopyAllSelected();
  container.Paste();
  container.FrontSelected();
  container.Group();
  container.RemoveAllSelected();
  container.Undo();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::vector<uint8_t> bytes(data + 1, data + size);
  if (data[0] & 1) Seal(bytes);

  TemplateFile file;
  try {
    file.FromBytes(bytes.data(), bytes.size());
  } catch (const TemplateFileError&) {
    return 0;
  }

  CPlandelDoc doc;
  const CPlandelDoc::LoadOutcome outcome = doc.Load(file);
  if (!outcome.Ok()) {
    if (doc.GetContainer().GetSize() != 0) std::abort();
    return 0;
  }
  const TemplateFile saved = doc.MakeTemplateFile();
  CPlandelDoc again;
  if (!again.Load(saved).Ok()) std::abort();
  if (!(again.MakeTemplateFile() == saved)) std::abort();
  Exercise(doc);
  return 0;
}
