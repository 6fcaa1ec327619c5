#pragma once

namespace inventory::wmi {

// COM on the calling thread for as long as the object lives: a
// single-threaded apartment (the one the window toolkit's clipboard and drag
// and drop need too, so it can join it) and process-wide security that lets
// the management service impersonate the user. The program's main owns one,
// before any WmiSource is used and after every interface obtained through
// COM is released. Throws InventoryError when COM cannot be set up.
class ComInitialisation final {
 public:
  ComInitialisation();
  ComInitialisation(const ComInitialisation&) = delete;
  ComInitialisation& operator=(const ComInitialisation&) = delete;
  ~ComInitialisation();
};

}  // namespace inventory::wmi
