// The keys that type characters, and the characters keys type.
#include <gtest/gtest.h>

#include "windows/KeyScan.h"

namespace {

TEST(KeyScan, KeyAndModifiersOfCharacters) {
  struct TCase {
    char32_t Ch;
    int Key;
    int Modifiers;
  };
  const TCase cases[] = {
      {U'a', 'A', 0},           {U'A', 'A', VKS_SHIFT},  {U'7', '7', 0},          {U'&', '7', VKS_SHIFT},
      {U'/', VK_OEM_2, 0},      {U'?', VK_OEM_2, VKS_SHIFT}, {U' ', VK_SPACE, 0}, {U'\r', VK_RETURN, 0},
      {U'\b', VK_BACK, 0},      {char32_t(3), 'C', VKS_CTRL},
  };
  for (const TCase& c : cases) {
    const int16_t scan = VkKeyScan(c.Ch);
    EXPECT_EQ(scan & 0xFF, c.Key) << int(c.Ch);
    EXPECT_EQ((scan >> 8) & 0xFF, c.Modifiers) << int(c.Ch);
  }
  EXPECT_EQ(VkKeyScan(U'中'), -1);
}

TEST(KeyScan, CharacterOfKey) {
  EXPECT_EQ(MapVirtualKey('Q', MAPVK_VK_TO_CHAR), UINT('Q'));
  EXPECT_EQ(MapVirtualKey('5', MAPVK_VK_TO_CHAR), UINT('5'));
  EXPECT_EQ(MapVirtualKey(VK_OEM_COMMA, MAPVK_VK_TO_CHAR), UINT(','));
  EXPECT_EQ(MapVirtualKey(VK_F1, MAPVK_VK_TO_CHAR), 0u);
  EXPECT_EQ(MapVirtualKey('Q', 0), 0u);
}

}  // namespace
