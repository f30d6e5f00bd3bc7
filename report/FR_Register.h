// The report engine's one registration of the classes that stored layouts may name.
#pragma once

// Registers the data access classes too. Safe to call more than once.
void RegisterReportClasses();
