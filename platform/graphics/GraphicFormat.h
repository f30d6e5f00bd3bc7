// Picture formats by their data and for the picture file dialogs: the kind of graphic a block of
// bytes holds, read from its signature, and the file filter and extension of each kind.
#pragma once

#include "graphics/Graphic.h"

// A graphic of the kind whose signature starts Data (bitmap "BM", JPEG, icon, enhanced or
// placeable metafile); nullptr when no kind matches.
std::unique_ptr<TGraphic> CreateGraphicForData(const TBytes& Data);
// The file filter of a graphic class ("TBitmap" ...) for the picture dialogs; an empty or unknown
// name gives the filter of every kind, all pictures first.
String GraphicFilter(const String& ClassName);
// The default extension of a graphic class without the dot ("bmp"); "" for an unknown name.
String GraphicExtension(const String& ClassName);
