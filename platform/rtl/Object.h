// TObject: the root of the classes whose instances lists hold and own (string-list objects,
// list items) and that events name as their sender.
#pragma once

#include <functional>

class TObject {
 public:
  virtual ~TObject() = default;
};

// The plain event: the object whose state changed or that was acted on.
using TNotifyEvent = std::function<void(TObject* sender)>;
