#version 110
// Waves a decor sprite: each vertex moves sideways by onde.x pixels times the sine of its
// height times onde.y (radians per pixel). couleurAjoutee is added to the vertex colour.
// Every value at 0 leaves the sprite as it is.
uniform vec2 onde;
uniform vec4 couleurAjoutee;

void main()
{
    vec4 p = gl_Vertex;
    p.x += onde.x * sin(p.y * onde.y);
    gl_Position = gl_ModelViewProjectionMatrix * p;
    gl_TexCoord[0] = gl_TextureMatrix[0] * gl_MultiTexCoord0;
    gl_FrontColor = clamp(gl_Color + couleurAjoutee, 0.0, 1.0);
}
