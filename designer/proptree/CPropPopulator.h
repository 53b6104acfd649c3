#pragma once

// Property populators: each builds the property items of one kind of
// template entity in the property tree, loads the entity's values into them
// and writes the user's edits back.
//
// Writing back takes one undo snapshot and marks the template modified, and
// writes only the values that differ from what the entity shows, so an
// unchanged entity never moves by the rounding of its edges. An entity that
// has left its container meanwhile (deleted, undone) is not touched.
//
// The tree owns the items; a populator keeps pointers to them that are valid
// until the tree is filled by another populator.

#include <functional>
#include <memory>

#include "designer/proptree/CPropTree.h"
#include "designer/proptree/PropTreeItems.h"
#include "template/diagram/CDiagramEntity.h"

class CDiagramEntityContainer;
class CReportTextEntity;

namespace designer {

class CPropPopulator {
public:
  virtual ~CPropPopulator() = default;

  // The entity edited from now on, with the container it is in.
  void SetEntity(CDiagramEntity* entity);
  CDiagramEntity* GetEntity() const { return m_entity; }
  // What repaints the template after an edit; may be empty.
  void SetRedraw(std::function<void()> redraw) { m_redraw = std::move(redraw); }

  // Empties the tree and creates the items under the root "General".
  virtual void Populate(CPropTree& tree) = 0;
  // Loads the entity's values into the items.
  virtual void UpdateFromEntity() = 0;
  // Writes the values that changed to the entity (see above), then repaints.
  void ApplyToEntity();
  // Whether the entity is still the one its container holds.
  bool IsEntityAlive() const;

protected:
  // Runs each setter whose value differs, the first after an undo snapshot.
  class Writer {
  public:
    explicit Writer(CDiagramEntityContainer* container) : m_container(container) {}
    template <class T, class Set>
    void Write(const T& now, const T& wanted, Set set) {
      if (now == wanted) return;
      Begin();
      set();
    }
    bool HasChanged() const { return m_changed; }

  private:
    void Begin();
    CDiagramEntityContainer* m_container;
    bool m_changed = false;
  };

  virtual void Apply(Writer& writer) = 0;
  // Whether what the items hold may be written; when not, the user has been
  // told why and the items show the entity again.
  virtual bool CheckInput() const { return true; }

  CPropTreeItem* AddRoot(CPropTree& tree);
  CPropTreeItemEdit* AddEdit(CPropTree& tree, CPropTreeItem* root, const wchar_t* label, const wchar_t* info,
                             CPropTreeItemEdit::Format format);

  // The four position items, in pixels of the paper.
  struct Positions {
    CPropTreeItemEdit* x1 = nullptr;
    CPropTreeItemEdit* y1 = nullptr;
    CPropTreeItemEdit* x2 = nullptr;
    CPropTreeItemEdit* y2 = nullptr;
  };
  Positions AddPositions(CPropTree& tree, CPropTreeItem* root);
  static void ShowPositions(const Positions& items, const CDiagramEntity& entity);
  // Each position a whole number on the paper and, when `ordered`, X1 not
  // right of X2 and Y1 not below Y2; tells the user the first that is not.
  bool CheckPositions(const Positions& items, bool ordered) const;
  static void WritePositions(Writer& writer, const Positions& items, CDiagramEntity& entity);

  // Font colour, font and alignment of a text entity.
  struct TextItems {
    CPropTreeItemColor* color = nullptr;
    CPropTreeItemFont* font = nullptr;
    CPropTreeItemCombo* align = nullptr;
  };
  TextItems AddTextItems(CPropTree& tree, CPropTreeItem* root);
  static void ShowText(const TextItems& items, const CReportTextEntity& entity);
  static void WriteText(Writer& writer, const TextItems& items, CReportTextEntity& entity);

  CPropTreeItemColor* AddColor(CPropTree& tree, CPropTreeItem* root, const wchar_t* label);

private:
  CDiagramEntity* m_entity = nullptr;
  int32_t m_entityId = 0;
  CDiagramEntityContainer* m_container = nullptr;
  std::function<void()> m_redraw;
};

class CInvFieldPropPopulator : public CPropPopulator {
public:
  void Populate(CPropTree& tree) override;
  void UpdateFromEntity() override;

protected:
  void Apply(Writer& writer) override;
  bool CheckInput() const override;
  // The entity whose text attributes the items edit.
  virtual CReportTextEntity* TextEntity() const;

  Positions m_positions;
  TextItems m_text;
};

// The positions are the repeat field's; colour, font and alignment its
// header's.
class CInvRepeatFieldPropPopulator : public CInvFieldPropPopulator {
protected:
  CReportTextEntity* TextEntity() const override;
};

class CLabelPropPopulator : public CInvFieldPropPopulator {
public:
  void Populate(CPropTree& tree) override;
  void UpdateFromEntity() override;

protected:
  void Apply(Writer& writer) override;

private:
  CPropTreeItemEdit* m_textItem = nullptr;
};

// Lines and boxes: border thickness, the positions and the border colour.
class CBorderPropPopulator : public CPropPopulator {
public:
  void Populate(CPropTree& tree) override;
  void UpdateFromEntity() override;

protected:
  void Apply(Writer& writer) override;
  bool CheckInput() const override;
  // Whether the second point lies right of and below the first (a box);
  // a line runs either way.
  virtual bool Ordered() const { return true; }
  // The pen of a line, the border of a box; false for an entity of
  // another kind.
  virtual bool HasBorder() const = 0;
  virtual int32_t GetWidth() const = 0;
  virtual void SetWidth(int32_t width) = 0;
  virtual platform::gdi::COLORREF GetColor() const = 0;
  virtual void SetColor(platform::gdi::COLORREF color) = 0;

private:
  CPropTreeItemEdit* m_thickness = nullptr;
  Positions m_positions;
  CPropTreeItemColor* m_color = nullptr;
};

class CLinePropPopulator : public CBorderPropPopulator {
protected:
  bool Ordered() const override { return false; }
  bool HasBorder() const override;
  int32_t GetWidth() const override;
  void SetWidth(int32_t width) override;
  platform::gdi::COLORREF GetColor() const override;
  void SetColor(platform::gdi::COLORREF color) override;
};

class CRectPropPopulator : public CBorderPropPopulator {
protected:
  bool HasBorder() const override;
  int32_t GetWidth() const override;
  void SetWidth(int32_t width) override;
  platform::gdi::COLORREF GetColor() const override;
  void SetColor(platform::gdi::COLORREF color) override;
};

class CPicturePropPopulator : public CPropPopulator {
public:
  static constexpr wchar_t kFilter[] = L"Bitmap (*.bmp)|*.bmp|";

  void Populate(CPropTree& tree) override;
  void UpdateFromEntity() override;

protected:
  void Apply(Writer& writer) override;
  bool CheckInput() const override;

private:
  Positions m_positions;
  CPropTreeItemBrowseFile* m_path = nullptr;
};

// The populator of a kind; null for PopulatorKind::None.
std::unique_ptr<CPropPopulator> MakePopulator(PopulatorKind kind);

}  // namespace designer
