// The native input kept with a queued message: what a key types, and a copy of the Qt event
// (key or input method) for replay into a native editor.
#pragma once

#include <QEvent>

#include <memory>

#include "rtl/Types.h"

class TNativeInput {
 public:
  TNativeInput(String Text, std::unique_ptr<QEvent> Event) : FText(std::move(Text)), FEvent(std::move(Event)) {}
  const String& Text() const { return FText; }
  // Null for input that came without a native event (tests, synthesised keys).
  const QEvent* Event() const { return FEvent.get(); }

 private:
  String FText;
  std::unique_ptr<QEvent> FEvent;
};

inline String NativeInputText(const TNativeInput& Native) { return Native.Text(); }
