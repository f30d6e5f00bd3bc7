// The data-aware grid library's one registration: its controls, columns and summary definitions
// with their published properties and events, so that stored layouts create and set them by name.
#pragma once

// Registers the tree list's classes first. Safe to call more than once.
void RegisterGridClasses();
// The filter's classes (dxDBGridFilterClasses.cpp); part of RegisterGridClasses.
void RegisterGridFilterClasses();
