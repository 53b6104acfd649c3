#pragma once

// What every tab page offers its form: fill the page from the edited object,
// and check and store the page's input into it.
class BaseTabFun {
public:
  virtual ~BaseTabFun() = default;

  virtual void LoadData() = 0;
  // False refuses the save (the page has told the user why). Setting reload
  // asks the form to call LoadData after a successful commit.
  virtual bool SaveData(bool& reload) {
    reload = false;
    return true;
  }
};
