#pragma once
// 4 x 4 float transform for drawing. Points are column vectors; each builder
// appends its step after the ones already applied, so
//   Matrix m; m.Scale(s); m.Rotate(deg); m.Translate(x, y);
// scales first, then rotates about the origin, then moves.

struct Matrix {
    float m[4][4];

    Matrix();  // identity

    void Scale(float sx, float sy, float sz = 1.0f);
    void Rotate(float degrees);  // about the screen normal, clockwise on a y-down screen
    void Translate(float x, float y, float z = 0.0f);
    // this = other applied after this.
    void Then(const Matrix& other);
    void Apply(float& x, float& y) const;
};
