// The registration of the column kinds inside the grid library.
#pragma once

// The data-bound column kinds, the grid's column of each kind (both with their published
// properties) and the typed columns' choosers of the default column tables.
void RegisterColumnClasses();
