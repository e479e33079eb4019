#pragma once
#include <string>

namespace korrimet::risk {

// The puff parameters as the boxes hold them: each use converts its text.
struct PuffTexts {
    std::string q;              // amount released, mg
    std::string sx, sy, sz;     // dispersion parameters, m
    std::string x0, y0, z0;     // puff centre, m
};

// Ground-level concentration C(x, y, 0) in mg/m³ of the puff, with total
// reflection at the ground. Each of its four factors is a statement of its
// own: a box that holds no number, or a σ of 0, leaves that factor at 0,
// and sets `failed` when given.
float PuffConcentration(const PuffTexts& p, double x, double y, bool* failed = nullptr);

}  // namespace korrimet::risk
