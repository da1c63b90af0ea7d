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
    vec3 somme = lumineux(p) * 0.16;
    float poids = 0.16;
    // two rings of eight taps, at 3 and 7 pixels
    for (int anneau = 1; anneau <= 2; anneau++) {
        float r = anneau == 1 ? 3.0 : 7.0;
        float w = anneau == 1 ? 0.07 : 0.035;
        for (int k = 0; k < 8; k++) {
            float a = float(k) * 0.785398 + float(anneau) * 0.392699;
            somme += lumineux(p + vec2(cos(a), sin(a)) * r * texel) * w;
            poids += w;
        }
    }
    vec3 lueur = somme / poids;
    float force = clamp(dot(lueur, vec3(0.333)) * 2.5, 0.0, 1.0);
    gl_FragColor = vec4(min(lueur * 1.6, vec3(1.0)), clamp(part, 0.0, 1.0) * force);
}
