#include <iostream>

int main() {
    std::cout << "numora-cli\n";
    return 0;
}
