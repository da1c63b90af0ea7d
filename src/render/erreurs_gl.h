#pragma once
// Reads pending OpenGL errors at a fixed point and logs each as "<lieu> #<number>";
// drawing goes on regardless. Returns how many errors were pending.
int verifierErreursGL(const char* lieu);
