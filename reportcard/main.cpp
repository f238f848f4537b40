#include "ProgramMain.h"
#include "TForm1.h"

int main(int argc, char** argv) { return jitsu::runProgram<jitsu::reportcard::TForm1>(argc, argv); }
