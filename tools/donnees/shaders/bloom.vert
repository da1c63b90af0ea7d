#version 110
// Glow pass: a whole-window quad over the copy of the frame; coordinates and colour pass on.
void main()
{
    gl_TexCoord[0] = gl_MultiTexCoord0;
    gl_FrontColor = gl_Color;
    gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;
}
