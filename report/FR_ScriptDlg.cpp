// The binding of the report functions' dialogs, and the stand-in that shows nothing.
#include "report/FR_ScriptDlg.h"

namespace {

class TNoDialogs : public TfrScriptDialogs {
 public:
  String InputBox(const String&, const String&, const String& Default) override { return Default; }
  // The first button of each button set: OK, OK, Abort, Yes, Yes, Retry.
  int MessageBox(const String&, const String&, int Flags) override {
    static const int kFirstButton[] = {1, 1, 3, 6, 6, 4};
    const int buttons = Flags & 0x0F;
    return buttons < 6 ? kFirstButton[buttons] : 1;
  }
};

std::unique_ptr<TfrScriptDialogs>& Bound() {
  static std::unique_ptr<TfrScriptDialogs> dialogs = std::make_unique<TNoDialogs>();
  return dialogs;
}

}  // namespace

TfrScriptDialogs& frScriptDialogs() { return *Bound(); }

std::unique_ptr<TfrScriptDialogs> SetScriptDialogs(std::unique_ptr<TfrScriptDialogs> Dialogs) {
  std::unique_ptr<TfrScriptDialogs> previous = std::move(Bound());
  Bound() = Dialogs ? std::move(Dialogs) : std::make_unique<TNoDialogs>();
  return previous;
}
