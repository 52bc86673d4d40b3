// ringcoil-bench: ringcoil with the benchmarks' measurement hooks.
#include "presentation/program.hpp"
#include "startup_mark.hpp"

int main(int, char**) {
  ringcoil::bench::markMainStart();
  return ringcoil::runProgram(&ringcoil::bench::installHooks);
}
