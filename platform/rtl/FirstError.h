// Steps that all run although one of them raises, the first error passing on at the end: the
// teardown counterpart of the closing steps in ScopeExit.h.
#pragma once

#include <exception>

// Runs every step given to Run although an earlier one raised, keeping the first error, which
// Raise then passes on: for a teardown that must free every item and close every step whatever
// one of them does.
class TFirstError {
 public:
  template <class F>
  void Run(F&& Step) {
    try {
      Step();
    } catch (...) {
      if (!FError) FError = std::current_exception();
    }
  }
  void Raise() {
    if (FError) std::rethrow_exception(FError);
  }

 private:
  std::exception_ptr FError;
};
