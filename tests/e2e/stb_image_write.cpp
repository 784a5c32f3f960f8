// The PNG writer the screenshots use.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"
