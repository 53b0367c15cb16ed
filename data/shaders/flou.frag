#version 110
// Blur of a plane drawn into its own texture: the average of 5 x 5 samples spread over
// `rayon` pixels around each pixel. The texel size comes from the screen-space derivatives
// of the texture coordinates, so the texture's size need not be passed.
uniform sampler2D texture;
uniform float rayon;

void main()
{
    vec2 tc = gl_TexCoord[0].xy;
    vec2 pas = vec2(abs(dFdx(tc.x)), abs(dFdy(tc.y))) * rayon * 0.5;
    vec4 somme = vec4(0.0);
    for (int i = -2; i <= 2; ++i)
        for (int j = -2; j <= 2; ++j)
            somme += texture2D(texture, tc + vec2(float(i), float(j)) * pas);
    gl_FragColor = gl_Color * somme / 25.0;
}
