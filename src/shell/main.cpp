#include "shell/Programm.h"

int main(int argc, char** argv) {
    return nuk::shell::Programm(argc, argv);
}
