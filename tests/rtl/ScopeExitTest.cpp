// The scope helpers: what runs when, on success and when the work raises, and how held values nest.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "rtl/ScopeExit.h"

namespace {

TEST(ScopeExitTest, RunsOnEveryExitUnlessDismissed) {
  std::string Log;
  {
    auto Close = ScopeExit([&] { Log += "closed;"; });
  }
  EXPECT_THROW(
      {
        auto Close = ScopeExit([&] { Log += "unwound;"; });
        throw std::runtime_error("work failed");
      },
      std::runtime_error);
  {
    auto Undo = ScopeExit([&] { Log += "undone;"; });
    Undo.Dismiss();
  }
  EXPECT_EQ(Log, "closed;unwound;");
}

TEST(ScopeExitTest, ValueScopesNestAndPutBackWhatTheyFound) {
  bool Busy = false;
  int Depth = 0;
  {
    TValueScope<bool> Outer(Busy, true);
    TDepthScope Level(Depth);
    {
      TValueScope<bool> Inner(Busy, true);
      TDepthScope Deeper(Depth);
      EXPECT_EQ(Depth, 2);
    }
    EXPECT_TRUE(Busy) << "the inner scope puts back the outer scope's value, not false";
    EXPECT_EQ(Depth, 1);
  }
  EXPECT_FALSE(Busy);
  EXPECT_EQ(Depth, 0);
}

TEST(ScopeExitTest, BracketClosesAfterWorkAndPassesOnTheRightError) {
  std::string Log;
  EXPECT_EQ(Bracket([&] { Log += "work;"; return 7; }, [&] { Log += "close;"; }), 7);
  try {
    Bracket([] { throw std::runtime_error("work"); }, [&] { Log += "close;"; });
    FAIL() << "the work's error must pass on";
  } catch (const std::runtime_error& Error) {
    EXPECT_STREQ(Error.what(), "work");
  }
  try {
    Bracket([] { throw std::runtime_error("work"); }, [] { throw std::logic_error("close"); });
    FAIL() << "a raising close must pass its error on";
  } catch (const std::logic_error& Error) {
    EXPECT_STREQ(Error.what(), "close");
  }
  EXPECT_EQ(Log, "work;close;close;");
}

}  // namespace
