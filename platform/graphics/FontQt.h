// The Qt seam of fonts: the family Qt is asked for a face, for the text boxes that Qt draws.
// Like every *Qt.h header, for the platform's own libraries only.
#pragma once

#include <QString>

#include "rtl/Types.h"

// The installed CJK font for every face of the substitution table, the face itself otherwise.
QString SubstitutedFamily(const String& face);
