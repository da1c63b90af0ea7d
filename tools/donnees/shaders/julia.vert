#version 110
// Fractal background: the quad's texture coordinates run over [0, 1] across the whole
// background; they and the vertex colour go on to the fragment shader unchanged.
void main()
{
    gl_TexCoord[0] = gl_MultiTexCoord0;
    gl_FrontColor = gl_Color;
    gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;
}
