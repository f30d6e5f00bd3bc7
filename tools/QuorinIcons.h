// The main window's icons, drawn for the picture tool: the toolbar's 16-pixel pictures in the
// order of its image list's indexes and the side bar's four 32-pixel page pictures, each on a
// fuchsia background that the image lists make transparent.
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "graphics/Graphic.h"

std::vector<std::unique_ptr<TBitmap>> DrawToolbarIcons();
std::vector<std::unique_ptr<TBitmap>> DrawSideBarIcons();
