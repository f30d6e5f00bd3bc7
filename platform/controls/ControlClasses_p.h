// The registrations of the control families, each beside the classes it publishes; only
// RegisterControlsClasses calls them, base classes first.
#pragma once

void RegisterActionClasses();
void RegisterStandardControlClasses();
void RegisterDialogClasses();
void RegisterDBControlClasses();
void RegisterMenuClasses();
