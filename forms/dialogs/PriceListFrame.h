#pragma once

// The frame of the price list form (document template 141): one price list,
// which the frame owns, with its menu, toolbar and status bar. The
// application's open-form operations store the list's id (0 = a new one)
// and, for a new list, its direction (1 income, 2 outcome) before the
// initial update. The page sets the caption. Closing it while modified asks
// "Would you like to save the changes?".

#include <cstdint>

#include "shell/FormArguments.h"
#include "shell/ui/BaseTabFrame.h"

class PriceListForm;
class View;

class PriceListFrame : public BaseTabFrame, public FormArgumentsReceiver {
public:
  static constexpr unsigned kResourceId = 141;

  PriceListFrame();

  void SetFormArguments(const FormArguments& arguments) override;
  // Read only while the object id is 0.
  int32_t GetPresetDirection() const { return m_presetDirection; }

  // Saves through the form; true when the modified flag is clear afterwards.
  bool SaveChanges() override;
  // The price list of the object id (a new one for 0).
  void LoadEditedObject() override;

  PriceListForm* GetForm() const;

protected:
  int OnCreate() override;

private:
  int32_t m_presetDirection = 2;
};

// The factories of document template 141.
BaseFrameWnd* CreatePriceListFrame(wxWindow* parent);
View* CreatePriceListFormView(BaseFrameWnd* frame);
