// The link line of a character: its colour, pulsing with "phase", which steps up by one each
// period of the SHADER_LIEN line, and fading towards the line's ends.
uniform float phase;

void main()
{
    float pulsation = 0.7 + 0.3 * abs(sin(phase * 0.7853982));
    gl_FragColor = vec4(gl_Color.rgb, gl_Color.a * pulsation);
}
