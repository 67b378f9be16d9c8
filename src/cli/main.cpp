#include <iostream>
#include <string>
#include <vector>

#include "CliProgram.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    return numora::runCliProgram(words, std::cout, std::cerr);
}
