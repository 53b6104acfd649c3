#include <iostream>
#include <string>
#include <vector>

#include "tools/NewDbCommand.h"

int main(int argc, char** argv) {
  return RunNewDb(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
