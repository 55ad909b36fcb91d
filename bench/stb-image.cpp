// stb_image's TGA decoder, built here with the bench's own compiler flags.
// Only the TGA loader is kept: it then tries no other format first.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#include <stb/stb_image.h>
