// The water of an oasis: its picture rippled sideways and shimmering. "temps" steps up by one
// each period of the sprite's SHADERSD line. Without shaders the water is drawn still.
uniform sampler2D texture;
uniform float temps;

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    uv.x += 0.012 * sin(uv.y * 40.0 + temps * 3.0);
    vec4 c = texture2D(texture, uv) * gl_Color;
    c.rgb += 0.08 * sin(uv.x * 30.0 - temps * 2.0) * c.a;
    gl_FragColor = c;
}
