// Registers the published properties and events of fonts, controls and forms, so that stored
// layouts create and set them by name.
#pragma once

// Safe to call more than once.
void RegisterControlClasses();
