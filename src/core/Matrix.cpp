#include "core/Matrix.h"

#include <cmath>
#include <numbers>

Matrix::Matrix() {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m[r][c] = (r == c) ? 1.0f : 0.0f;
}

void Matrix::Then(const Matrix& other) {
    float result[4][4];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += other.m[r][k] * m[k][c];
            result[r][c] = sum;
        }
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m[r][c] = result[r][c];
}

void Matrix::Scale(float sx, float sy, float sz) {
    Matrix s;
    s.m[0][0] = sx;
    s.m[1][1] = sy;
    s.m[2][2] = sz;
    Then(s);
}

void Matrix::Rotate(float degrees) {
    float radians = degrees * std::numbers::pi_v<float> / 180.0f;
    float c = std::cos(radians);
    float s = std::sin(radians);
    Matrix rot;
    rot.m[0][0] = c;
    rot.m[0][1] = -s;
    rot.m[1][0] = s;
    rot.m[1][1] = c;
    Then(rot);
}

void Matrix::Translate(float x, float y, float z) {
    Matrix t;
    t.m[0][3] = x;
    t.m[1][3] = y;
    t.m[2][3] = z;
    Then(t);
}

void Matrix::Apply(float& x, float& y) const {
    float nx = m[0][0] * x + m[0][1] * y + m[0][3];
    float ny = m[1][0] * x + m[1][1] * y + m[1][3];
    x = nx;
    y = ny;
}
