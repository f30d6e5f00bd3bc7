// The registration steps of the editor library's one registration, file by file.
#pragma once

// The date, pick, image, memo, currency, most-recently-used, button and hyperlink editors and the
// stand-alone date edit.
void RegisterValueEditorClasses();
// The spin, time, calculator, graphic and blob editors with the calculator, the picture toolbar
// and the blob popup.
void RegisterSpinAndPictureEditorClasses();
