#pragma once

// The frame of the item form (document template 130): one item or one item
// group, which the frame owns, with its toolbar, menu and status bar. The
// application's open-form operation stores three values in it before the
// initial update: the object id (0 = new), whether it is an item group, and
// the group a new object starts in. Closing it while modified asks
// "Would you like to save the changes?".

#include <cstdint>

#include "shell/FormArguments.h"
#include "shell/ui/BaseTabFrame.h"

class ItemForm;
class View;

class ItemFrame : public BaseTabFrame, public FormArgumentsReceiver {
public:
  static constexpr unsigned kResourceId = 130;

  ItemFrame();

  void SetFormArguments(const FormArguments& arguments) override;

  bool IsGroup() const { return m_group; }
  void SetGroup(bool group) { m_group = group; }
  int32_t GetPresetGroupId() const { return m_presetGroupId; }
  void SetPresetGroupId(int32_t groupId) { m_presetGroupId = groupId; }

  // Saves through the form; true when the modified flag is clear afterwards.
  bool SaveChanges() override;
  // "Item - <name>", "Item Group - <name>", or "New Item" / "New Item Group"
  // for an object not stored yet.
  void UpdateFrameCaption() override;
  // The item or group of the object id (a new one for 0); the previous
  // object is deleted first.
  void LoadEditedObject() override;
  // The caption for the object: what UpdateFrameCaption sets.
  static std::wstring Caption(bool group, int32_t objectId, const std::wstring& name);

  ItemForm* GetForm() const;

protected:
  int OnCreate() override;

private:
  bool m_group = false;
  int32_t m_presetGroupId = 0;
};

// The factories of document template 130.
BaseFrameWnd* CreateItemFrame(wxWindow* parent);
View* CreateItemFormView(BaseFrameWnd* frame);
