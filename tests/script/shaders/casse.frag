this is not GLSL {
