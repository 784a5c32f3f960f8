/* The PNG encoder of stb (Debian's libstb-dev), compiled once here. */
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
