// Stands in for the real header in the layers that must build without a GL
// context: reaching it means a GL call crept into the simulation or rules.
#error "OpenGL header <GL/glut.h> included from a GL-free layer"
