#version 110
// Glow: blurs the bright parts of the frame copy (texture unit 0) and gives them back as a
// colour and an alpha of 'part' times their brightness. rx, ry: window size in pixels; the
// copy is the next power of two in each direction, so one texel is 1 / that size. The taps
// are written out (three rings of eight, at 2, 5 and 10 pixels, each ring turned a little):
// a software renderer then has no sine or cosine to work out per pixel and tap.
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
    somme += lumineux(p + vec2(2.000000, 0.000000) * texel) * 0.06;
    somme += lumineux(p + vec2(1.414214, 1.414213) * texel) * 0.06;
    somme += lumineux(p + vec2(0.000001, 2.000000) * texel) * 0.06;
    somme += lumineux(p + vec2(-1.414213, 1.414214) * texel) * 0.06;
    somme += lumineux(p + vec2(-2.000000, 0.000001) * texel) * 0.06;
    somme += lumineux(p + vec2(-1.414215, -1.414212) * texel) * 0.06;
    somme += lumineux(p + vec2(-0.000002, -2.000000) * texel) * 0.06;
    somme += lumineux(p + vec2(1.414212, -1.414215) * texel) * 0.06;
    somme += lumineux(p + vec2(4.829630, 1.294093) * texel) * 0.04;
    somme += lumineux(p + vec2(2.500002, 4.330126) * texel) * 0.04;
    somme += lumineux(p + vec2(-1.294092, 4.829630) * texel) * 0.04;
    somme += lumineux(p + vec2(-4.330125, 2.500004) * texel) * 0.04;
    somme += lumineux(p + vec2(-4.829630, -1.294090) * texel) * 0.04;
    somme += lumineux(p + vec2(-2.500005, -4.330124) * texel) * 0.04;
    somme += lumineux(p + vec2(1.294089, -4.829631) * texel) * 0.04;
    somme += lumineux(p + vec2(4.330123, -2.500007) * texel) * 0.04;
    somme += lumineux(p + vec2(8.660258, 4.999993) * texel) * 0.02;
    somme += lumineux(p + vec2(2.588200, 9.659256) * texel) * 0.02;
    somme += lumineux(p + vec2(-4.999990, 8.660260) * texel) * 0.02;
    somme += lumineux(p + vec2(-9.659255, 2.588203) * texel) * 0.02;
    somme += lumineux(p + vec2(-8.660261, -4.999988) * texel) * 0.02;
    somme += lumineux(p + vec2(-2.588206, -9.659254) * texel) * 0.02;
    somme += lumineux(p + vec2(4.999985, -8.660263) * texel) * 0.02;
    somme += lumineux(p + vec2(9.659253, -2.588209) * texel) * 0.02;
    vec3 lueur = somme / 1.06;
    // the glow takes the colour of the light around, its strength from how much there is
    float pic = max(max(lueur.r, lueur.g), max(lueur.b, 0.001));
    float force = clamp(dot(lueur, vec3(0.299, 0.587, 0.114)) * 3.0, 0.0, 1.0);
    gl_FragColor = vec4(lueur / pic, clamp(part, 0.0, 1.0) * force);
}
