// The tree list library's one registration: its bands, columns, editors and controls, so that
// stored layouts create and set them by name.
#pragma once

// Registers the editor library's classes first. Safe to call more than once.
void RegisterTreeListClasses();
