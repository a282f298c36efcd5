#include "ui/run_program.h"

int main(int argc, char *argv[]) {
  return vx::ui::runProgram(argc, argv);
}
