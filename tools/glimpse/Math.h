// The previewer's vectors and matrices: the library's own (format/Matrix.h).
#ifndef GLIMPSE_MATH_H
#define GLIMPSE_MATH_H

#include "format/Matrix.h"

namespace quillet {
namespace glimpse {

using quillet::cross;
using quillet::dot;
using quillet::kPi;
using quillet::length;
using quillet::Mat4;
using quillet::normalize;
using quillet::radians;
using quillet::Vec3;

}  // namespace glimpse
}  // namespace quillet

#endif
