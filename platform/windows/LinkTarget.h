// Which texts may be handed to the desktop to open as a link: web, mail and file-transfer
// addresses, and existing documents that are not programs. A stored text naming a program or a
// script is never started by a click on a link.
#pragma once

#include "rtl/Types.h"

// True for an http, https, mailto or ftp address with something after its scheme, and for a
// file: address or a plain path of an existing regular file that is neither executable nor of a
// program or script type. Blanks around Target are ignored.
bool IsOpenableLink(const String& Target);
