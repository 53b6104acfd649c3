#pragma once

// One template: the entity container, the paste buffer it uses, and saving
// and loading as a .zlt template file. The designer's document/view layer
// wraps it; the editor window that shows the container registers itself as
// the parent of the entities the document adds.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/TemplateFile.h"
#include "template/diagram/CDiagramClipboardHandler.h"
#include "template/diagram/CDiagramEntityContainer.h"

class CPlandelDoc {
public:
  // What opening a file came to.
  struct LoadOutcome {
    // The text to show when the file could not be read; the document is then
    // empty.
    std::wstring error;
    // Items of kinds the designer cannot show (data fields, unknown types):
    // left out, and missing from the file once it is saved again.
    int skippedItems = 0;

    bool Ok() const { return error.empty(); }
  };

  CPlandelDoc();
  ~CPlandelDoc();
  CPlandelDoc(const CPlandelDoc&) = delete;
  CPlandelDoc& operator=(const CPlandelDoc&) = delete;

  CDiagramEntityContainer& GetContainer() { return m_container; }
  const CDiagramEntityContainer& GetContainer() const { return m_container; }
  CDiagramClipboardHandler& GetClipboard() { return m_clipboard; }

  // The editor that shows the container; entities the document adds get it
  // as their parent.
  void SetEditor(CDiagramParent* editor) { m_editor = editor; }
  // Adds as the editor does: the entity's parent becomes the editor.
  void AddObject(std::unique_ptr<CDiagramEntity> entity);

  // Modified when the document's flag or the container's is set.
  bool IsModified() const { return m_modified || m_container.IsModified(); }
  void SetModifiedFlag(bool modified);

  // Empties the container and its undo stack.
  bool OnNewDocument();

  // One item per entity that saves one (repeat headers travel with their
  // field), in drawing order.
  TemplateFile MakeTemplateFile() const;
  // Writes through a temporary file that then replaces the target, and
  // clears the modified flags. Throws TemplateFileError when the file
  // cannot be written; the document is unchanged then.
  void Save(const std::filesystem::path& path);

  // Replaces everything with the file's entities and clears the undo stack.
  // On failure the document is left empty with the error text.
  LoadOutcome Load(const std::filesystem::path& path);
  // The same from a template read already (or built in code).
  LoadOutcome Load(const TemplateFile& file);

  // The text form: the paper record, then one record per entity.
  std::vector<std::wstring> GetTextRecords() const;

  // Before closing: true to go on. With changes, asks "Save changes to
  // <title>?" through `ask` (which answers platform::IDYES, IDNO or
  // IDCANCEL); Yes goes on only when `save` succeeds.
  bool SaveModified(const std::wstring& title, const std::function<int(const std::wstring&)>& ask,
                    const std::function<bool()>& save);

  // The text telling the user that a loaded template lost items.
  static std::wstring SkippedItemsMessage(int count);

private:
  void Empty();

  CDiagramClipboardHandler m_clipboard;
  CDiagramEntityContainer m_container{&m_clipboard};
  CDiagramParent* m_editor = nullptr;
  bool m_modified = false;
};
