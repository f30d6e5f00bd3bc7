// The GUI that fuzz targets which make windows or draw text need: Qt's application on the
// offscreen platform at 96 dpi and the platform's Application, made once for the whole run, with
// message boxes answered at once instead of shown.
#pragma once

void StartFuzzGui();
