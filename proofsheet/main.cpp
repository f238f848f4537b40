#include "ProgramMain.h"
#include "ProofsheetWindow.h"

int main(int argc, char** argv) {
    return jitsu::runProgram<jitsu::proofsheet::ProofsheetWindow>(argc, argv);
}
