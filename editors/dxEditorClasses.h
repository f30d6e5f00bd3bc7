// The editor library's one registration: its controls, styles and controllers, so that stored
// layouts create and set them by name.
#pragma once

// Registers the control library's classes first. Safe to call more than once.
void RegisterEditorsClasses();
