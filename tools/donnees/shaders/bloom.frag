#version 110
// Glow: blurs the bright parts of the frame copy (texture unit 0) and lays them over the
// frame with an alpha of 'part'. rx, ry: window size in pixels; the copy is the next power
// of two in each direction, so one texel is 1 / that size.
uniform float rx;
uniform float ry;
uniform float part;
uniform sampler2D Image;

vec3 lumineux(vec2 p)
{
    vec3 c = texture2D(Image, p).rgb;
    float l = dot(c, vec3(0.299, 0.587, 0.114));
    return c * smoothstep(0.45, 0.95, l);
}

void main()
{
    vec2 texel = vec2(1.0 / exp2(ceil(log2(max(rx, 1.0)))), 1.0 / exp2(ceil(log2(max(ry, 1.0)))));
    vec2 p = gl_TexCoord[0].st;
    vec3 somme = lumineux(p) * 0.10;
    float poids = 0.10;
    // three rings of eight taps, at 2, 5 and 10 pixels, each ring turned a little
    for (int anneau = 0; anneau < 3; anneau++) {
        float r = anneau == 0 ? 2.0 : (anneau == 1 ? 5.0 : 10.0);
        float w = anneau == 0 ? 0.06 : (anneau == 1 ? 0.04 : 0.02);
        for (int k = 0; k < 8; k++) {
            float a = float(k) * 0.785398 + float(anneau) * 0.261799;
            somme += lumineux(p + vec2(cos(a), sin(a)) * r * texel) * w;
            poids += w;
        }
    }
    vec3 lueur = somme / poids;
    // the glow takes the colour of the light around, its strength from how much there is
    float pic = max(max(lueur.r, lueur.g), max(lueur.b, 0.001));
    float force = clamp(dot(lueur, vec3(0.299, 0.587, 0.114)) * 3.0, 0.0, 1.0);
    gl_FragColor = vec4(lueur / pic, clamp(part, 0.0, 1.0) * force);
}
