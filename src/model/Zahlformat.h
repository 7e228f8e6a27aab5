// The program's one number format for captions and labels: a leading blank for
// values of 0 or more, "." as decimal point, no zero before the point, up to 7
// significant digits for single precision, E+NN where the value needs it.
#pragma once

#include <string>

namespace nuk {

std::string S(float v);
std::string S(int v);

}  // namespace nuk
