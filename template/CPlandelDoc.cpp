#include "template/CPlandelDoc.h"

#include <stdexcept>

#include "common/TemplateFileError.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "template/EntityFactory.h"

CPlandelDoc::CPlandelDoc() = default;

CPlandelDoc::~CPlandelDoc() {
  m_clipboard.ClearPaste();
  m_container.RemoveAll();
}

void CPlandelDoc::AddObject(std::unique_ptr<CDiagramEntity> entity) {
  if (!entity) return;
  entity->SetParent(m_editor);
  m_container.Add(std::move(entity));
}

void CPlandelDoc::SetModifiedFlag(bool modified) {
  m_modified = modified;
  if (!modified) m_container.SetModified(false);
}

void CPlandelDoc::Empty() {
  m_container.Clear();
  m_modified = false;
}

bool CPlandelDoc::OnNewDocument() {
  Empty();
  return true;
}

TemplateFile CPlandelDoc::MakeTemplateFile() const {
  TemplateFile file;
  for (int index = 0; CDiagramEntity* entity = m_container.GetAt(index); ++index) {
    if (std::optional<TemplateItem> item = entity->MakeTemplateItem()) file.AddItem(std::move(*item));
  }
  return file;
}

void CPlandelDoc::Save(const std::filesystem::path& path) {
  MakeTemplateFile().Save(path);
  SetModifiedFlag(false);
}

CPlandelDoc::LoadOutcome CPlandelDoc::Load(const std::filesystem::path& path) {
  TemplateFile file;
  try {
    file.Load(path);
  } catch (const TemplateFileError& error) {
    Empty();
    return LoadOutcome{error.GetMessage(), 0};
  }
  return Load(file);
}

CPlandelDoc::LoadOutcome CPlandelDoc::Load(const TemplateFile& file) {
  Empty();
  LoadOutcome outcome;
  try {
    for (const TemplateItem& item : file.GetItems()) {
      if (std::unique_ptr<CDiagramEntity> entity = CreateEntityFromTemplateItem(item))
        AddObject(std::move(entity));
      else
        ++outcome.skippedItems;
    }
  } catch (const std::exception& error) {
    // Nothing half-read stays on the canvas.
    Empty();
    return LoadOutcome{platform::FromUtf8(error.what()), 0};
  }
  m_container.SetModified(false);
  return outcome;
}

std::vector<std::wstring> CPlandelDoc::GetTextRecords() const {
  std::vector<std::wstring> records{m_container.GetString()};
  for (int index = 0; CDiagramEntity* entity = m_container.GetAt(index); ++index) {
    if (!entity->IsChild()) records.push_back(entity->GetString());
  }
  return records;
}

bool CPlandelDoc::SaveModified(const std::wstring& title, const std::function<int(const std::wstring&)>& ask,
                               const std::function<bool()>& save) {
  m_modified = IsModified();
  if (!m_modified) return true;
  switch (ask(L"Save changes to " + title + L"?")) {
    case platform::IDCANCEL:
      return false;
    case platform::IDYES:
      return save();
    default:
      return true;
  }
}

std::wstring CPlandelDoc::SkippedItemsMessage(int count) {
  return L"This template holds " + std::to_wstring(count) +
         L" item(s) of a kind the designer cannot show. They were left out and will be missing from the "
         L"file when it is saved.";
}
