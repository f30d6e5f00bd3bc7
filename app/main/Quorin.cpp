// The program quorin: the records application on the GUI platform.
#include "app/Startup.h"
#include "controls/GuiProgram.h"

int main(int argc, char** argv) { return RunGuiProgram(argc, argv, RunApplication); }
