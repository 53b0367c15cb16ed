#version 110
// Tints a decor sprite: luminosite is added to red, green and blue, teinte to each channel
// apart; inverser at 1 inverts the colours. Every value at 0 leaves the sprite as it is.
uniform sampler2D texture;
uniform float luminosite;
uniform vec3 teinte;
uniform int inverser;

void main()
{
    vec4 c = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;
    vec3 rgb = c.rgb + teinte + vec3(luminosite);
    if (inverser == 1)
        rgb = vec3(1.0) - rgb;
    gl_FragColor = vec4(clamp(rgb, 0.0, 1.0), c.a);
}
