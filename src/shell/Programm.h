// nukview from its command line to the end of its event loop.
#pragma once

#include <functional>

namespace nuk::shell {

class Hauptfenster;

// Runs the program. offen, where given, is called once the window stands
// and the file named on the command line has been opened.
int Programm(int argc, char** argv, const std::function<void(Hauptfenster&)>& offen = {});

}  // namespace nuk::shell
