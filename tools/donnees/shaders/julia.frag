#version 110
// Julia set z -> z^2 + c with c = (Cx, Cy), seen through a window of size 4 x Zoom. (Px, Py)
// circles at radius 1/3; stretched to (3.8 Px, 1.35 Py) it follows the set's outline, so the
// view always holds some of its edge. Escaping points take a smooth colour from the ramp "Colors", shifted by Teinte;
// points that never escape keep the vertex colour (a deep blue).
uniform float Px;
uniform float Py;
uniform float Zoom;
uniform float Teinte;
uniform float Cx;
uniform float Cy;
uniform int MaxIter;
uniform sampler2D Colors;

const int PLAFOND = 256;   // hard bound on the loop whatever MaxIter holds

void main()
{
    vec2 z = vec2(Px * 3.8, Py * 1.35) + (gl_TexCoord[0].st - 0.5) * 4.0 * Zoom;
    vec2 c = vec2(Cx, Cy);
    int limite = MaxIter;
    if (limite < 1) limite = 1;
    int n = 0;
    float r2 = dot(z, z);
    for (int i = 0; i < PLAFOND; i++) {
        if (i >= limite || r2 > 256.0) break;
        z = vec2(z.x * z.x - z.y * z.y, 2.0 * z.x * z.y) + c;
        r2 = dot(z, z);
        n = i + 1;
    }
    if (r2 <= 256.0) {
        // inside: the vertex colour, a little lighter where the orbit ends far out
        gl_FragColor = vec4(gl_Color.rgb * (0.7 + 0.9 * clamp(sqrt(r2) * 0.5, 0.0, 1.0)), 1.0);
    } else {
        // continuous escape count, so the colours flow without bands
        float lisse = float(n) + 1.0 - log(log(r2) * 0.5 / log(2.0)) / log(2.0);
        float t = fract(lisse / 24.0 + Teinte);
        vec3 couleur = texture2D(Colors, vec2(t, 0.5)).rgb;
        // fade the outer, barely iterated area toward the vertex colour
        float proche = clamp(lisse / 6.0, 0.0, 1.0);
        gl_FragColor = vec4(mix(gl_Color.rgb, couleur, proche), 1.0);
    }
}
