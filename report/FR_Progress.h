// The window that a report shows while it builds or prints: the engine's progress window binds
// itself here. Without one, the work runs directly and shows nothing.
#pragma once

#include <functional>
#include <memory>

#include "rtl/Types.h"

class TfrProgressView {
 public:
  virtual ~TfrProgressView() = default;
  // Shows the window modally with that caption and runs Step once it is on screen; answers the
  // modal result the window closed with (mrCancel when the user cancelled, which also sets the
  // build's Terminated). An error that Step raises closes the window and is raised again here.
  virtual int Execute(const String& Caption, const std::function<void()>& Step) = 0;
  // Ends Execute with that result; called from inside Step.
  virtual void Close(int ModalResult) = 0;
  // The first label follows the pages, the second shows a script's PROGRESS text.
  virtual void SetFirstLabel(const String& Text) = 0;
  virtual void SetSecondLabel(const String& Text) = 0;
  // Lets the window repaint and its cancel button be seen.
  virtual void ProcessMessages() = 0;
};

// The view bound now, nullptr when none.
TfrProgressView* frProgressView();
// Binds View (nullptr: none) and answers the one bound before.
std::unique_ptr<TfrProgressView> SetProgressView(std::unique_ptr<TfrProgressView> View);
