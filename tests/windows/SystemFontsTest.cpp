// The system's fonts as the non-client metrics and the icon-title font give them.
#include <gtest/gtest.h>

#include "graphics/Metrics.h"
#include "graphics/SystemFonts.h"
#include "windows/SystemServices.h"

namespace {

TEST(SystemFonts, MetricsCarryTheFontTableAndTheMetricsTable) {
  TSystemFonts fonts = DefaultSystemFonts();
  fonts.Menu.Height = -15;
  fonts.IconTitle.FaceName = "Tahoma";
  TSystemFontsOverride fontOverride(fonts);
  TSystemMetricsOverride metricsOverride({{SM_CYSMSIZE, 17}});

  NONCLIENTMETRICS metrics;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0));
  EXPECT_EQ(metrics.lfMenuFont.Height, -15);
  EXPECT_EQ(metrics.lfCaptionFont.Weight, FW_BOLD);
  EXPECT_EQ(metrics.iSmCaptionHeight, 17);
  TLogFont iconTitle;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETICONTITLELOGFONT, 0, &iconTitle, 0));
  EXPECT_EQ(iconTitle.FaceName, "Tahoma");
}

TEST(SystemFonts, OverrideEndsWithItsScope) {
  {
    TSystemFonts fonts = DefaultSystemFonts();
    fonts.Status.Height = -20;
    TSystemFontsOverride fontOverride(fonts);
    EXPECT_EQ(GetSystemFonts().Status.Height, -20);
  }
  EXPECT_EQ(GetSystemFonts().Status.Height, -12);
}

}  // namespace
