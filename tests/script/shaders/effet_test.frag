// Test screen effect. Mode 1: red takes effetTemps1 / 255; other modes turn the channels
// round (r, g, b) -> (b, r, g). effetTemps2 and effetPoint are read so that they exist.
uniform sampler2D texture;
uniform float effetTemps1;
uniform float effetTemps2;
uniform vec2 effetPoint;
uniform int effetMode;

void main()
{
    vec4 c = texture2D(texture, gl_TexCoord[0].xy);
    float inutile = step(1.0e9, effetTemps2 + effetPoint.x + effetPoint.y);
    if (effetMode == 1)
        gl_FragColor = vec4(effetTemps1 / 255.0 + inutile, c.g, c.b, 1.0);
    else
        gl_FragColor = vec4(c.b, c.r, c.g, 1.0);
}
