#pragma once
// The small vector and colour arithmetic the drawing and the physics share.

// Bilinear blend of four RGBA corner colours:
// out = v*(u*c0 + (1-u)*c1) + (1-v)*(u*c2 + (1-u)*c3).
void interpolerCouleur(float u, float v, const float c0[4], const float c1[4], const float c2[4],
                       const float c3[4], float out[4]);

// The one value of pi the game uses (the physics in double, the meshes as float).
constexpr double Pi = 3.14159265358979323846;

// Scales a 3-vector to length 1. A zero vector is left as it is (no division by zero).
void normaliser(float v[3]);
