#pragma once
// The small vector and colour arithmetic the drawing and the physics share.
#include <cmath>

// Bilinear blend of four RGBA corner colours:
// out = v*(u*c0 + (1-u)*c1) + (1-v)*(u*c2 + (1-u)*c3).
void interpolerCouleur(float u, float v, const float c0[4], const float c1[4], const float c2[4],
                       const float c3[4], float out[4]);

// The one value of pi the game uses (the physics in double, the meshes as float).
constexpr double Pi = 3.14159265358979323846;

// Scales a 3-vector to length 1. A zero vector is left as it is (no division by zero).
void normaliser(float v[3]);

// A 3-vector: float where the drawing computes (the visible area), double where a result must
// be exact to a cell (the picked cell, the whole-level camera).
template <class T>
struct Vecteur3 {
  T x, y, z;
};

template <class T>
Vecteur3<T> moins(Vecteur3<T> a, Vecteur3<T> b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

template <class T>
T scalaire(Vecteur3<T> a, Vecteur3<T> b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

template <class T>
Vecteur3<T> vectoriel(Vecteur3<T> a, Vecteur3<T> b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Length 1; a zero vector is left as it is.
template <class T>
Vecteur3<T> unitaire(Vecteur3<T> a) {
  const T n = std::sqrt(scalaire(a, a));
  return n > 0 ? Vecteur3<T>{a.x / n, a.y / n, a.z / n} : a;
}
