// The engine's one state record.
#include "report/FR_State.h"

TfrEngineState& frState() {
  static TfrEngineState state;
  return state;
}

void frResetState() { frState() = TfrEngineState(); }
