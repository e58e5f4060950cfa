#include <iostream>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tools/wordstore/wordstore_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return keyloom::RunWordStoreTool(args, keyloom::StandardFileSystem(), std::cout, std::cerr);
}
