// Must not compile with the GL-free layers' include path: the stand-in GL
// header stops it.
#include <GL/gl.h>

int main() {
    return 0;
}
