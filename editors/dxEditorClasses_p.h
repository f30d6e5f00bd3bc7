// The registration steps of the editor library's one registration, file by file.
#pragma once

// The date, pick, image, memo, currency, most-recently-used, button and hyperlink editors and the
// stand-alone date edit.
void RegisterValueEditorClasses();
