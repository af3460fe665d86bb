// samplegen: fills the program folder with the sample collection.
//
//   samplegen <catalogue folder> <program folder> [<stamp file>]
//
// The stamp file is written last, only after everything succeeded, so that the
// build reruns the generator after a failure.
#include "Collection.h"

#include <exception>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: samplegen <catalogue folder> <program folder> [<stamp file>]\n";
        return 2;
    }
    try {
        samplegen::buildCollection(argv[1], argv[2]);
        if (argc == 4) {
            std::ofstream stamp(argv[3], std::ios::trunc);
            stamp << "sample collection generated\n";
            if (!stamp)
                throw std::runtime_error(std::string("cannot write ") + argv[3]);
        }
    } catch (const std::exception& e) {
        std::cerr << "samplegen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
