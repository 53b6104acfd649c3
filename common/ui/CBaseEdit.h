#pragma once

// An edit field with an input type (free text, whole number, decimal
// number): a key filter for the type, leading zeros dropped from whole
// numbers, and an optional check of the value, with its message, when the
// focus moves on to a sibling control (the focus then comes back). Numbers
// are read with the user's separators. The decisions are EditInputRules'.
//
//   auto* amount = new CBaseEdit(this, IDC_AMOUNT, kInputDecimal, kCheckGreater, du.Point(..), du.Size(..));
//   amount->SetBounds(0.0, 0.0);  // must be greater than 0

#include <cstdint>
#include <optional>
#include <string>

#include <wx/textctrl.h>

#include "common/ui/EditInputRules.h"

class CBaseEdit : public wxTextCtrl {
public:
  CBaseEdit(uint32_t inputType = kInputText, uint32_t checkKind = kCheckNone);
  CBaseEdit(wxWindow* parent, wxWindowID id, uint32_t inputType = kInputText, uint32_t checkKind = kCheckNone,
            const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize, long style = 0);

  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize, long style = 0);

  void SetInputType(uint32_t type) { m_rules.SetInputType(type); }
  uint32_t GetInputType() const { return m_rules.GetInputType(); }
  void SetCheckKind(uint32_t kind) { m_rules.SetCheckKind(kind); }
  void SetBounds(double first, double second) { m_rules.SetBounds(first, second); }
  const EditInputRules& GetRules() const { return m_rules; }

  // What the field may hold; a single-line text field also stops taking
  // characters at the length.
  void SetLimits(const FieldLimits& limits);
  const FieldLimits& GetLimits() const { return m_limits; }
  // The refusal of the current text by the limits; nullopt when it fits.
  std::optional<std::wstring> CheckLimits() const;

  // The decimal separator the field uses (the user's).
  static std::wstring DecimalSeparator();

  // For decimal fields: runs the enclosing dialog's or form's data exchange
  // both ways. Other types: nothing.
  virtual void UpdateParentData();
  // True when the value passes the check; false after the message was shown.
  virtual bool ValidateValue();
  // Called after every change of the text.
  virtual void OnTextUpdated() {}

  // What a key press does to the field: true when it goes on to the control.
  // A passing separator key (point, comma, the pad's decimal key) inserts
  // the user's separator itself.
  bool FilterKey(int keyCode, int modifiers = 0);
  // Runs the leave-the-field check as if the focus went to that window.
  void HandleFocusLeaving(wxWindow* next);

private:
  void BindHandlers();
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnText(wxCommandEvent& event);
  void OnKillFocus(wxFocusEvent& event);

  EditInputRules m_rules;
  FieldLimits m_limits;
};

// Checks every limited field inside the window (CBaseEdit::SetLimits), in
// the order they were created. The first refusal is shown (caption
// "Corvane", information icon, owned by the window), the field takes the
// focus, and the result is false: the dialog or form records nothing.
bool CheckFieldLimits(wxWindow* window);
