#pragma once
// The camera that looks at a level, and its smooth update toward a target.
// Board coordinates: x column, y row growing downwards, z depth (the camera at negative z).

struct Camera {
  float oeilX = 0.0f, oeilY = 0.0f, oeilZ = -15.0f;      // eye position
  float centreX = 0.0f, centreY = 0.0f, centreZ = 0.0f;  // point looked at
  float hautX = 0.0f, hautY = -1.0f, hautZ = 0.0f;       // screen up is board -y
  bool suivre = true;             // whether the look-at point follows the target
  float tauxOeil = 0.1f;          // fraction of the way the eye moves per update
  float tauxCentre = 0.5f;        // weight of the target in the new look-at point
  float profondeurOeil = -15.0f;  // eye depth aimed at when following the ball
};

// Back to the initial values above, the follow flag included.
void reinitialiserCamera(Camera& camera);

// One update toward the target (x, y, z). With the follow flag the look-at point leads toward
// the target while the eye trails behind; without it the look-at point stays put.
void suivreCamera(Camera& camera, float x, float y, float z);

// The camera a level starts with on the play screen: the eye over the level's centre (whole
// cells) at the depth of its larger side, looking at the ball.
Camera cameraDepart(int largeur, int hauteur, float balleX, float balleY);
