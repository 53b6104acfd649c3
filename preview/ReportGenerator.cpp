#include "preview/ReportGenerator.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>

#include "common/TemplateFile.h"
#include "platform/MessageBox.h"
#include "platform/ResourceTable.h"
#include "platform/TextCodec.h"
#include "preview/DrawGrid.h"
#include "preview/DrawObjectFactory.h"
#include "preview/DrawingHelpers.h"
#include "preview/TextFile.h"

const wchar_t* const CReportGenerator::kMessageCaption = L"Corvane Preview";
const wchar_t* const CReportGenerator::kPrintFailedText = L"The invoice could not be printed.";

namespace {

constexpr size_t kMaxMessageLength = 256;

std::vector<CDrawGrid*> GridsOf(const CContainer& page) {
  std::vector<CDrawGrid*> grids;
  for (const auto& object : page.Objects()) {
    if (object->GetKind() == kDrawGrid) grids.push_back(static_cast<CDrawGrid*>(object.get()));
  }
  return grids;
}

CDrawGrid* GridNamed(const CContainer* page, const std::wstring& name) {
  if (!page) return nullptr;
  CDrawObject* object = page->Find(name);
  return object && object->GetKind() == kDrawGrid ? static_cast<CDrawGrid*>(object) : nullptr;
}

bool AnyWithoutLines(const std::vector<CDrawGrid*>& grids) {
  return std::any_of(grids.begin(), grids.end(),
                     [](const CDrawGrid* grid) { return grid->GetLineCount() == 0; });
}

void NumberGrids(const std::vector<CDrawGrid*>& grids, int32_t page) {
  for (CDrawGrid* grid : grids) grid->SetPageNumber(page);
}

}  // namespace

void CReportGenerator::SetDocumentName(const std::wstring& name) {
  if (!m_documentName.empty()) Clear();
  m_documentName = name;
}

void CReportGenerator::ShowError(const std::wstring& text) const {
  platform::ShowMessageBox(text.substr(0, kMaxMessageLength), kMessageCaption,
                           platform::MB_OK | platform::MB_ICONERROR);
}

bool CReportGenerator::LoadTemplate(const std::filesystem::path& path) {
  m_errorText.clear();
  TemplateFile file;
  try {
    file.Load(path, TemplateFile::RepeatedId::KeepFirst);
  } catch (const TemplateFileError& error) {
    m_errorText = error.GetMessage();
    ShowError(m_errorText);
    return false;
  } catch (const std::exception& error) {
    m_errorText = platform::FromUtf8(error.what());
    ShowError(m_errorText);
    return false;
  }

  auto page = std::make_unique<CContainer>(kMiddlePage);
  for (const TemplateItem& item : file.GetItems()) {
    if (std::unique_ptr<CDrawObject> object = preview::CreateDrawObject(item)) page->Add(std::move(object));
  }
  if (page->IsEmpty()) return false;
  PlacePage(std::move(page));
  return true;
}

bool CReportGenerator::CanAddPage(int32_t pageKind) const {
  if (m_pages.IsEmpty()) return true;
  if (pageKind == kFirstPage) return m_pages.Get(0)->GetPageKind() != kFirstPage;
  if (pageKind == kLastPage) return m_pages.Last()->GetPageKind() != kLastPage;
  return true;
}

void CReportGenerator::PlacePage(std::unique_ptr<CContainer> page) {
  const int32_t kind = page->GetPageKind();
  if (kind == kFirstPage) {
    m_pages.InsertAt(0, std::move(page));
  } else if (kind == kLastPage) {
    m_pages.Add(std::move(page));
  } else if (!m_pages.IsEmpty() && m_pages.Last()->GetPageKind() == kLastPage) {
    m_pages.InsertAt(m_pages.GetCount() - 1, std::move(page));
  } else {
    m_pages.Add(std::move(page));
  }
}

bool CReportGenerator::AddPage(const std::vector<std::wstring>& records, int32_t pageKind) {
  auto page = std::make_unique<CContainer>(pageKind);
  for (const std::wstring& record : records) {
    if (std::unique_ptr<CDrawObject> object = preview::CreateDrawObject(record)) page->Add(std::move(object));
  }
  if (page->IsEmpty()) return false;
  PlacePage(std::move(page));
  return true;
}

bool CReportGenerator::LoadFromStringArray(const std::vector<std::wstring>& records, int32_t pageKind) {
  if (!CanAddPage(pageKind)) return false;
  m_errorText.clear();
  return AddPage(records, pageKind);
}

bool CReportGenerator::LoadFromString(const std::wstring& text, int32_t pageKind) {
  if (!CanAddPage(pageKind)) return false;
  m_errorText.clear();
  std::vector<std::wstring> records;
  preview::SplitLines(text, records);
  return AddPage(records, pageKind);
}

bool CReportGenerator::LoadFromFile(const std::filesystem::path& path, int32_t pageKind) {
  if (!CanAddPage(pageKind)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  return LoadFromUtf16(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), pageKind);
}

bool CReportGenerator::LoadFromUtf16(const uint8_t* bytes, size_t count, int32_t pageKind) {
  if (count == 0) return false;
  // The text ends at its first NUL or at the end of the bytes, whichever
  // comes first: a text without a terminator is read to its end, no further.
  return LoadFromString(platform::FromUtf16Le(bytes, count, true), pageKind);
}

bool CReportGenerator::LoadFromResource(int32_t resourceId, int32_t pageKind) {
  if (!CanAddPage(pageKind)) return false;
  // Any address of this file names the module the engine was linked into.
  static const char moduleAnchor = 0;
  const std::optional<std::span<const uint8_t>> bytes =
      platform::FindModuleResource(&moduleAnchor, kResourceType, resourceId);
  return bytes && LoadFromUtf16(bytes->data(), bytes->size(), pageKind);
}

bool CReportGenerator::LoadFromTextFile(const std::wstring& path, int32_t pageKind) {
  if (!CanAddPage(pageKind)) return false;
  m_errorText.clear();
  CTextFile file(L"", L"\n");
  std::vector<std::wstring> records;
  if (!file.ReadTextFile(path, records)) {
    m_errorText = file.GetErrorText();
    return false;
  }
  return AddPage(records, pageKind);
}

bool CReportGenerator::DistributeLines(const std::wstring& name, const std::vector<std::wstring>& lines) {
  m_errorText.clear();
  if (m_pages.IsEmpty()) return true;

  const int64_t total = static_cast<int64_t>(lines.size());
  int64_t firstCapacity = 0;
  int64_t last = total;

  CDrawGrid* firstGrid = nullptr;
  if (m_pages.Get(0)->GetPageKind() == kFirstPage) firstGrid = GridNamed(m_pages.Get(0), name);
  if (firstGrid) firstCapacity = firstGrid->GetCapacity();

  std::vector<CDrawGrid*> middleGrids;
  for (const auto& page : m_pages) {
    if (page->GetPageKind() != kMiddlePage) continue;
    if (CDrawGrid* grid = GridNamed(page.get(), name)) middleGrids.push_back(grid);
  }

  CDrawGrid* lastGrid = nullptr;
  if (m_pages.Last()->GetPageKind() == kLastPage) lastGrid = GridNamed(m_pages.Last(), name);
  if (lastGrid) {
    // The last page takes what the middle pages leave on their last page,
    // never more than it holds. A middle grid that holds no line leaves it
    // all (and is not divided by).
    const int64_t lastCapacity = lastGrid->GetCapacity();
    int64_t taken = lastCapacity;
    if (!middleGrids.empty()) {
      const int64_t remainder = std::max<int64_t>(0, total - firstCapacity);
      const int64_t middleCapacity = middleGrids.front()->GetCapacity();
      taken = std::min(lastCapacity, middleCapacity > 0 ? remainder % middleCapacity : remainder);
    }
    last = total - taken;
  }

  for (int64_t i = 0; i < total; ++i) {
    const std::wstring& line = lines[static_cast<size_t>(i)];
    if (i < firstCapacity) {
      firstGrid->AddLine(line);
    } else if (i < last) {
      if (middleGrids.empty()) return false;
      for (CDrawGrid* grid : middleGrids) grid->AddLine(line);
    } else {
      lastGrid->AddLine(line);
    }
  }
  return true;
}

void CReportGenerator::SetFieldText(const std::wstring& name, const std::wstring& text) {
  m_errorText.clear();
  for (const auto& page : m_pages) {
    if (CDrawObject* object = page->Find(name)) {
      if (object->GetKind() == kDrawField || object->GetKind() == kDrawRepeatField) object->SetText(text);
      return;
    }
  }
}

void CReportGenerator::Clear() {
  m_pages.RemoveAll();
  m_documentName.clear();
}

void CReportGenerator::ClearFieldTexts() {
  for (const auto& page : m_pages) {
    for (const auto& object : page->Objects()) object->ClearText();
  }
}

int32_t CReportGenerator::GetPageCount() {
  int32_t numbered = 0;
  for (const auto& page : m_pages) {
    const std::vector<CDrawGrid*> grids = GridsOf(*page);
    if (page->GetPageKind() == kFirstPage) {
      page->SetPageRange(1, 1);
      NumberGrids(grids, 1);
      numbered += 1;
      continue;
    }
    if (AnyWithoutLines(grids)) {
      page->SetPageRange(-1, -1);
      NumberGrids(grids, -1);
      continue;
    }
    int64_t pages = 1;
    if (page->GetPageKind() != kLastPage) {
      for (const CDrawGrid* grid : grids) {
        const int64_t capacity = grid->GetCapacity();
        // A grid too low for one row needs no page of its own.
        if (capacity > 0) pages = std::max<int64_t>(pages, (grid->GetLineCount() + capacity - 1) / capacity);
      }
    }
    page->SetPageRange(numbered + 1, static_cast<int32_t>(numbered + pages));
    NumberGrids(grids, numbered + 1);
    numbered += static_cast<int32_t>(pages);
  }
  return numbered;
}

CContainer* CReportGenerator::FindPageFor(int32_t page) const {
  CContainer* found = nullptr;
  for (const auto& container : m_pages) {
    if (container->GetFirstPage() <= page && page <= container->GetLastPage() &&
        container->GetFirstPage() > 0) {
      found = container.get();
    }
  }
  return found;
}

void CReportGenerator::DrawPage(platform::gdi::Canvas& dc, int32_t page) {
  GetPageCount();  // objects may have changed since the pages were last numbered
  CContainer* container = FindPageFor(page);
  if (!container) return;
  for (const auto& object : container->Objects()) {
    try {
      object->Draw(page, dc);
    } catch (const std::exception&) {
      // One object that cannot be drawn must not cost the rest of the page.
    }
  }
}

platform::gdi::PrintJob CReportGenerator::MakePrintJob() {
  platform::gdi::PrintJob job;
  job.documentName = m_documentName;
  job.pageCount = GetPageCount();
  job.drawPage = [this](platform::gdi::Canvas& canvas, int32_t page) { DrawPage(canvas, page); };
  return job;
}

bool CReportGenerator::Print(platform::gdi::PrintTarget& target) {
  return platform::gdi::PrintJobInto(target, MakePrintJob());
}

int32_t CReportGenerator::PrintWithDialog() {
  if (platform::gdi::PrintWithDialog(nullptr, platform::gdi::PrintDialogChoices{}, MakePrintJob()) ==
      platform::gdi::PrintDialogResult::Failed) {
    ShowError(kPrintFailedText);
  }
  return 0;
}

int32_t CReportGenerator::GetObjectCount(int32_t page) const {
  const CContainer* container = m_pages.Get(page);
  return container ? static_cast<int32_t>(container->GetCount()) : 0;
}

CDrawObject* CReportGenerator::GetObject(int32_t object, int32_t page) const {
  const CContainer* container = m_pages.Get(page);
  if (!container || object < 0) return nullptr;
  return container->Get(static_cast<size_t>(object));
}

std::wstring CReportGenerator::GetObjectName(int32_t object, int32_t page) const {
  const CDrawObject* found = GetObject(object, page);
  return found ? found->GetName() : std::wstring();
}

int32_t CReportGenerator::GetObjectType(const std::wstring& name, int32_t page) const {
  if (page >= 0) {
    const CContainer* container = m_pages.Get(page);
    const CDrawObject* object = container ? container->Find(name) : nullptr;
    return object ? object->GetKind() : 0;
  }
  for (const auto& container : m_pages) {
    if (const CDrawObject* object = container->Find(name)) return object->GetKind();
  }
  return 0;
}

int32_t CReportGenerator::GetGridAttribute(const std::wstring& name, int32_t page) const {
  const CDrawGrid* grid = nullptr;
  if (page >= 0) {
    grid = GridNamed(m_pages.Get(page), name);
  } else {
    for (const auto& container : m_pages) {
      if (container->Find(name)) {
        grid = GridNamed(container.get(), name);
        break;
      }
    }
  }
  return grid ? grid->GetRowsPerInch() : -1;
}

void CReportGenerator::AddObject(std::unique_ptr<CDrawObject> object, int32_t page) {
  if (CContainer* container = m_pages.Get(page); container && object) container->Add(std::move(object));
}
