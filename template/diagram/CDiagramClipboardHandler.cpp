#include "template/diagram/CDiagramClipboardHandler.h"

#include <map>

#include "template/TemplateHelpers.h"
#include "template/diagram/CDiagramEntityContainer.h"

CDiagramClipboardHandler::~CDiagramClipboardHandler() {
  ClearPaste();
}

void CDiagramClipboardHandler::Keep(const CDiagramEntity& entity) {
  if (entity.IsChild()) return;
  std::unique_ptr<CDiagramEntity> clone = entity.Clone();
  clone->SetContainer(nullptr);
  clone->Select(true);
  clone->MoveRect(10, 10);
  m_paste.push_back(std::move(clone));
}

void CDiagramClipboardHandler::Copy(const CDiagramEntity& entity) {
  ClearPaste();
  Keep(entity);
}

void CDiagramClipboardHandler::CopyAllSelected(const CDiagramEntityContainer& container) {
  ClearPaste();
  for (int index = 0; CDiagramEntity* entity = container.GetAt(index); ++index) {
    if (entity->IsSelected()) Keep(*entity);
  }
}

void CDiagramClipboardHandler::Paste(CDiagramEntityContainer& container) {
  std::map<int32_t, int32_t> newGroups;
  for (const auto& kept : m_paste) {
    if (kept->GetGroup() != 0 && !newGroups.count(kept->GetGroup()))
      newGroups[kept->GetGroup()] = NewGroupId();
  }
  for (const auto& kept : m_paste) {
    std::unique_ptr<CDiagramEntity> clone = kept->Clone();
    clone->SetGroup(kept->GetGroup() == 0 ? 0 : newGroups[kept->GetGroup()]);
    container.Add(std::move(clone));
  }
}

void CDiagramClipboardHandler::ClearPaste() {
  m_paste.clear();
}
