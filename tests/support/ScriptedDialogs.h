// A dialog service for tests: it records every dialog asked for and answers from a script
// instead of showing anything. Message dialogs without a scripted answer are answered as Enter
// would (the default button); the other dialogs are cancelled unless a handler is given.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "controls/Dialogs.h"

class TScriptedDialogs : public TDialogService {
 public:
  TModalResult MessageDialog(const TMessageDialogRequest& Request) override {
    Messages.push_back(Request);
    if (MessageAnswers.empty()) return MsgDlgButtonResult(DefaultButtonOf(Request));
    const TModalResult answer = MessageAnswers.front();
    MessageAnswers.pop_front();
    return answer;
  }
  bool InputQuery(const String& Caption, const String& Prompt, String& Value) override {
    Inputs.push_back({Caption, Prompt, Value});
    if (InputAnswers.empty() || !InputAnswers.front()) {
      if (!InputAnswers.empty()) InputAnswers.pop_front();
      return false;
    }
    Value = *InputAnswers.front();
    InputAnswers.pop_front();
    return true;
  }
  bool FileDialog(TFileDialogRequest& Request) override {
    FileRequests.push_back(Request);
    return OnFileDialog && OnFileDialog(Request);
  }
  bool PrintDialog(TPrintDialogRequest& Request) override { return OnPrintDialog && OnPrintDialog(Request); }
  bool PrinterSetupDialog(TPrinterSetupRequest& Request) override {
    return OnPrinterSetupDialog && OnPrinterSetupDialog(Request);
  }
  bool FontDialog(TFont& Font) override { return OnFontDialog && OnFontDialog(Font); }
  bool ColorDialog(TColor& Color) override { return OnColorDialog && OnColorDialog(Color); }

  struct TInput {
    String Caption;
    String Prompt;
    String Value;
  };
  std::vector<TMessageDialogRequest> Messages;
  std::deque<TModalResult> MessageAnswers;
  std::vector<TInput> Inputs;
  std::deque<std::optional<String>> InputAnswers;  // nullopt: cancelled
  std::vector<TFileDialogRequest> FileRequests;
  std::function<bool(TFileDialogRequest&)> OnFileDialog;
  std::function<bool(TPrintDialogRequest&)> OnPrintDialog;
  std::function<bool(TPrinterSetupRequest&)> OnPrinterSetupDialog;
  std::function<bool(TFont&)> OnFontDialog;
  std::function<bool(TColor&)> OnColorDialog;
};

// Installs a scripted dialog service for its lifetime.
class TScriptedDialogsScope {
 public:
  TScriptedDialogsScope() {
    auto dialogs = std::make_unique<TScriptedDialogs>();
    FDialogs = dialogs.get();
    FSaved = SetDialogService(std::move(dialogs));
  }
  ~TScriptedDialogsScope() { SetDialogService(std::move(FSaved)); }
  TScriptedDialogsScope(const TScriptedDialogsScope&) = delete;
  TScriptedDialogsScope& operator=(const TScriptedDialogsScope&) = delete;
  TScriptedDialogs* operator->() const { return FDialogs; }
  TScriptedDialogs& operator*() const { return *FDialogs; }

 private:
  TScriptedDialogs* FDialogs = nullptr;
  std::unique_ptr<TDialogService> FSaved;
};
