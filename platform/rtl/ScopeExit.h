// Closing steps tied to a scope: an action run when the scope ends however it ends, a value held
// for a scope, a depth raised for a scope, and work bracketed by a closing step that may raise.
// Every "set up, do the work, put back also on error" in the tree is one of these.
#pragma once

#include <optional>
#include <type_traits>
#include <utility>

// Runs its action when the scope ends, normally or while an exception unwinds, unless Dismiss was
// called: an undo that belongs only to the failure path is dismissed once the work has succeeded.
// The action runs from a destructor, so it must not raise; a closing step that may raise goes
// through Bracket instead.
template <class F>
class [[nodiscard]] TScopeExit {
 public:
  explicit TScopeExit(F Action) : FAction(std::move(Action)) {}
  ~TScopeExit() {
    if (FArmed) FAction();
  }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

  void Dismiss() { FArmed = false; }

 private:
  F FAction;
  bool FArmed = true;
};

template <class F>
[[nodiscard]] TScopeExit<F> ScopeExit(F Action) {
  return TScopeExit<F>(std::move(Action));
}

// Gives a variable a value for the scope and puts back the value it held before, so that scopes
// nest: a re-entrancy flag, an "internal change" marker, a lock level.
template <class T>
class [[nodiscard]] TValueScope {
 public:
  TValueScope(T& Variable, T Value) : FVariable(Variable), FSaved(std::move(Variable)) {
    FVariable = std::move(Value);
  }
  ~TValueScope() { FVariable = std::move(FSaved); }
  TValueScope(const TValueScope&) = delete;
  TValueScope& operator=(const TValueScope&) = delete;

 private:
  T& FVariable;
  T FSaved;
};

// Raises a depth counter for the scope.
class [[nodiscard]] TDepthScope {
 public:
  explicit TDepthScope(int& Depth) : FDepth(Depth) { ++FDepth; }
  ~TDepthScope() { --FDepth; }
  TDepthScope(const TDepthScope&) = delete;
  TDepthScope& operator=(const TDepthScope&) = delete;

 private:
  int& FDepth;
};

// Runs Work, then Close; Close runs also when Work raises, and Work's error then passes on. For a
// closing step that may raise itself (ending an update that repaints, enabling a data set's
// controls), which cannot run from a destructor: if Close raises after Work has raised, Close's
// error is the one that passes on.
template <class W, class C>
decltype(auto) Bracket(W&& Work, C&& Close) {
  using TResult = std::invoke_result_t<W&>;
  if constexpr (std::is_void_v<TResult>) {
    try {
      Work();
    } catch (...) {
      Close();
      throw;
    }
    Close();
  } else {
    std::optional<TResult> Result;
    try {
      Result.emplace(Work());
    } catch (...) {
      Close();
      throw;
    }
    Close();
    return TResult(std::move(*Result));
  }
}
