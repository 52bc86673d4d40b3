// ringcoil: the toroid coil calculator.
#include "presentation/program.hpp"

int main(int, char**) { return ringcoil::runProgram(); }
