// The S key: the window's picture saved as a PNG file with libpng.
#include <GL/gl.h>
#include <png.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "viewer_parts.h"

namespace {

// Writes rows of RGB pixels, the first row the top of the picture. Returns
// whether the whole file was written.
bool writePng(std::FILE* file, int width, int height, const std::vector<png_bytep>& rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {  // libpng's errors jump back here
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, const_cast<png_bytepp>(rows.data()));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

// A new file trikros-YYYYMMDD-HHMMSS.png in the current folder, opened for
// writing; a picture saved earlier in the same second keeps its file and
// this one gets -2, -3, ... after the time.
std::FILE* createPictureFile(std::string& name) {
  const std::time_t now = std::time(nullptr);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "trikros-%Y%m%d-%H%M%S", std::localtime(&now));
  for (int copy = 1; copy < 100; ++copy) {
    name = std::string(stamp) + (copy > 1 ? "-" + std::to_string(copy) : "") + ".png";
    std::FILE* file = std::fopen(name.c_str(), "wbx");  // x: never over an existing file
    if (file != nullptr || errno != EEXIST) return file;
  }
  return nullptr;
}

}  // namespace

void saveWindowPicture() {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  const int width = viewport[2], height = viewport[3];
  std::vector<png_byte> pixels(static_cast<std::size_t>(width) * height * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  // OpenGL's rows run from the bottom up, a PNG's from the top down.
  std::vector<png_bytep> rows(static_cast<std::size_t>(height));
  for (int row = 0; row < height; ++row) {
    rows[static_cast<std::size_t>(row)] =
        &pixels[static_cast<std::size_t>(height - 1 - row) * width * 3];
  }

  std::string name;
  std::FILE* file = createPictureFile(name);
  bool saved = file != nullptr && writePng(file, width, height, rows);
  int error = errno;
  if (file != nullptr && std::fclose(file) != 0 && saved) {
    saved = false;
    error = errno;
  }
  if (saved) {
    char folder[4096];
    const bool known = getcwd(folder, sizeof folder) != nullptr;
    std::fprintf(stderr, "Slika prozora je sacuvana: %s%s%s\n", known ? folder : "",
                 known ? "/" : "", name.c_str());
  } else {
    if (file != nullptr) std::remove(name.c_str());
    std::fprintf(stderr, "Slika prozora nije sacuvana (%s): %s\n", name.c_str(),
                 std::strerror(error));
  }
}
