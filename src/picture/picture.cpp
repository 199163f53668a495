// The drawing list painted with cairo into a PNG, SVG or PDF file.
#include "picture.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>

namespace {

constexpr const char* kFontFamily = "sans-serif";  // DejaVu Sans on Debian
constexpr double kHaloWidth = 0.42;                // the halo's stroke width, in capital heights

enum class Format { Png, Svg, Pdf, Unknown };

// Sizes of the picture: pixels for a PNG and an SVG (a web page's pixels),
// points (1/72 inch) for the PDF.
constexpr int kPngWidth = 1600, kPngHeight = 1200;
constexpr int kSvgWidth = 800, kSvgHeight = 600;
constexpr double kA4Long = 841.89, kA4Short = 595.28;  // 297 x 210 mm

Format formatOf(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return Format::Unknown;
  }
  std::string ending = path.substr(dot + 1);
  for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ending == "png") return Format::Png;
  if (ending == "svg") return Format::Svg;
  if (ending == "pdf") return Format::Pdf;
  return Format::Unknown;
}

void source(cairo_t* cr, const Rgb& rgb, double opacity = 1.0) {
  cairo_set_source_rgba(cr, rgb.red, rgb.green, rgb.blue, opacity);
}

void paint(cairo_t* cr, const drawing::Polygon& polygon) {
  for (const drawing::Spot& s : polygon.corners) cairo_line_to(cr, s.x, s.y);
  cairo_close_path(cr);
  source(cr, polygon.color, polygon.opacity);
  cairo_fill(cr);
}

void paint(cairo_t* cr, const drawing::Line& line) {
  cairo_move_to(cr, line.from.x, line.from.y);
  cairo_line_to(cr, line.to.x, line.to.y);
  cairo_set_line_width(cr, line.width);
  if (line.dash > 0.0) cairo_set_dash(cr, &line.dash, 1, 0.0);
  source(cr, line.color);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0.0);
}

void paint(cairo_t* cr, const drawing::Dot& dot) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, dot.centre.x, dot.centre.y, dot.radius, 0.0, 2.0 * 3.14159265358979323846);
  source(cr, dot.color);
  cairo_fill(cr);
}

// The font's size for the label: a capital as tall as the label's height,
// or smaller where the text would run wider than the list allows; 0 where
// the font has no capital.
double fontSize(cairo_t* cr, const drawing::Label& label) {
  cairo_select_font_face(cr, kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 100.0);
  cairo_text_extents_t capital, whole;
  cairo_text_extents(cr, "H", &capital);
  cairo_text_extents(cr, label.text.c_str(), &whole);
  if (!(-capital.y_bearing > 0.0)) return 0.0;
  double size = 100.0 * label.height / -capital.y_bearing;
  if (whole.x_advance * size / 100.0 > label.width && whole.x_advance > 0.0) {
    size = 100.0 * label.width / whole.x_advance;
  }
  return size;
}

// The halo first, then the letters.
void paint(cairo_t* cr, const drawing::Label& label, const Rgb& halo) {
  const double size = fontSize(cr, label);
  if (size <= 0.0) return;
  cairo_set_font_size(cr, size);
  cairo_move_to(cr, label.at.x, label.at.y);
  cairo_text_path(cr, label.text.c_str());
  if (label.halo) {
    source(cr, halo);
    cairo_set_line_width(cr, kHaloWidth * label.height);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  source(cr, label.color);
  cairo_fill(cr);
}

// Where cairo writes: the file, and the reason the first write failed.
struct Sink {
  std::FILE* file;
  int error;
};

cairo_status_t writeToFile(void* closure, const unsigned char* data, unsigned int length) {
  auto* sink = static_cast<Sink*>(closure);
  if (std::fwrite(data, 1, length, sink->file) == length) return CAIRO_STATUS_SUCCESS;
  if (sink->error == 0) sink->error = errno;
  return CAIRO_STATUS_WRITE_ERROR;
}

// The picture of a file: the view from the standpoint, without the window's
// hints, on paper unless the screen's background is asked for.
drawing::List listOf(const Scene& scene, int width, int height, const PictureLook& look) {
  Shown shown;
  shown.hint = false;  // the window's "H: pomoc" belongs to the window
  shown.print = !look.screenBackground;
  return drawScene(scene, viewFrom(firstView(width, height, scene), look.standpoint, scene), shown);
}

// Paints the list on the surface and finishes it; a PNG is written from its
// pixels. Returns cairo's status.
cairo_status_t paintList(cairo_surface_t* surface, const drawing::List& list, Format format,
                         Sink* sink) {
  cairo_t* cr = cairo_create(surface);
  paintOnCairo(cr, list);
  cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  if (status == CAIRO_STATUS_SUCCESS && format == Format::Png) {
    status = cairo_surface_write_to_png_stream(surface, writeToFile, sink);
  }
  cairo_surface_finish(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  return status;
}

// Why a file cannot be written, in Serbian where the reason is a common one.
std::string whyNotWritten(int error) {
  switch (error) {
    case ENOENT:
      return "fascikla ne postoji";
    case EACCES:
    case EPERM:
      return "nema dozvole za pisanje";
    case EISDIR:
      return "to je fascikla";
    case ENOSPC:
      return "disk je pun";
    case EROFS:
      return "disk je samo za citanje";
    default:
      return std::strerror(error);
  }
}

}  // namespace

void paintOnCairo(void* context, const drawing::List& list) {
  auto* cr = static_cast<cairo_t*>(context);
  source(cr, list.background);
  cairo_paint(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const drawing::Mark& mark : list.marks) {
    std::visit(
        [cr, &list](const auto& m) {
          if constexpr (std::is_same_v<std::decay_t<decltype(m)>, drawing::Label>) {
            paint(cr, m, list.halo);
          } else {
            paint(cr, m);
          }
        },
        mark);
  }
}

std::string writePicture(const Scene& scene, const std::string& path, const PictureLook& look) {
  // 1. The format from the name, before anything is written.
  const Format format = formatOf(path);
  if (path.empty()) {
    return "Greska: posle --slika treba ime datoteke slike, npr. --slika slika.png.";
  }
  if (format == Format::Unknown) {
    return "Greska: slika '" + path +
           "' nije zapisana: ime datoteke treba da se zavrsava sa .png, .svg ili .pdf.";
  }
  const auto failed = [&path](const std::string& why) {
    return "Greska: slika '" + path + "' nije zapisana: " + why + ".";
  };
  // Written beside it first and put in its place when whole, so that a full
  // disk never leaves a broken picture, nor takes the one there before.
  const std::string partial = path + "." + std::to_string(getpid()) + ".tmp";
  std::FILE* file = std::fopen(partial.c_str(), "wbx");
  if (file == nullptr) return failed(whyNotWritten(errno));
  Sink sink{file, 0};

  // 2. The surface of the format, writing through the file; an SVG is
  //    written as text.
  cairo_status_t status = CAIRO_STATUS_SUCCESS;
  if (format == Format::Svg) {
    const std::string svg = svgOf(listOf(scene, kSvgWidth, kSvgHeight, look));
    status = writeToFile(&sink, reinterpret_cast<const unsigned char*>(svg.data()),
                         static_cast<unsigned int>(svg.size()));
  } else if (format == Format::Png) {
    status = paintList(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPngWidth, kPngHeight),
                       listOf(scene, kPngWidth, kPngHeight, look), format, &sink);
  } else {
    status = paintList(cairo_pdf_surface_create_for_stream(writeToFile, &sink, kA4Long, kA4Short),
                       listOf(scene, static_cast<int>(kA4Long), static_cast<int>(kA4Short), look),
                       format, &sink);
  }
  int error = sink.error;

  // 3. Everything must have reached the disk before the file takes the name.
  bool whole = status == CAIRO_STATUS_SUCCESS;
  if (std::fclose(file) != 0 && whole) whole = false, error = errno;
  if (whole && std::rename(partial.c_str(), path.c_str()) == 0) return "";
  if (whole) error = errno;
  std::remove(partial.c_str());
  if (status == CAIRO_STATUS_SUCCESS || status == CAIRO_STATUS_WRITE_ERROR) {
    return failed(whyNotWritten(error != 0 ? error : EIO));
  }
  return failed(cairo_status_to_string(status));
}

std::string svgOf(const drawing::List& list) {
  const auto number = [](double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::isfinite(value) ? value : 0.0);
    return std::string(text);
  };
  const auto colour = [](const Rgb& rgb) {
    const auto byte = [](float part) { return std::to_string(std::lround(part * 255.0f)); };
    return "rgb(" + byte(rgb.red) + "," + byte(rgb.green) + "," + byte(rgb.blue) + ")";
  };
  const auto escaped = [](const std::string& text) {
    std::string out;
    for (const char c : text) {
      out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    }
    return out;
  };
  // The font sizes as the PNG and the PDF have them, measured with cairo.
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  cairo_t* cr = cairo_create(scratch);
  const std::string width = std::to_string(list.width), height = std::to_string(list.height);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height + "\">\n";
  svg += "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"" +
         colour(list.background) + "\"/>\n";
  for (const drawing::Mark& mark : list.marks) {
    if (const auto* polygon = std::get_if<drawing::Polygon>(&mark)) {
      svg += "<polygon points=\"";
      for (const drawing::Spot& s : polygon->corners) svg += number(s.x) + "," + number(s.y) + " ";
      svg += "\" fill=\"" + colour(polygon->color) + "\" fill-opacity=\"" +
             number(polygon->opacity) + "\"/>\n";
    } else if (const auto* line = std::get_if<drawing::Line>(&mark)) {
      svg += "<line x1=\"" + number(line->from.x) + "\" y1=\"" + number(line->from.y) + "\" x2=\"" +
             number(line->to.x) + "\" y2=\"" + number(line->to.y) + "\" stroke=\"" +
             colour(line->color) + "\" stroke-width=\"" + number(line->width) +
             "\" stroke-linecap=\"round\"";
      if (line->dash > 0.0) svg += " stroke-dasharray=\"" + number(line->dash) + "\"";
      svg += "/>\n";
    } else if (const auto* dot = std::get_if<drawing::Dot>(&mark)) {
      svg += "<circle cx=\"" + number(dot->centre.x) + "\" cy=\"" + number(dot->centre.y) +
             "\" r=\"" + number(dot->radius) + "\" fill=\"" + colour(dot->color) + "\"/>\n";
    } else if (const auto* label = std::get_if<drawing::Label>(&mark)) {
      const double size = fontSize(cr, *label);
      if (size <= 0.0) continue;
      svg += "<text x=\"" + number(label->at.x) + "\" y=\"" + number(label->at.y) +
             "\" font-family=\"DejaVu Sans, sans-serif\" font-size=\"" + number(size) +
             "\" fill=\"" + colour(label->color) + "\"";
      if (label->halo) {
        svg += " stroke=\"" + colour(list.halo) + "\" stroke-width=\"" +
               number(kHaloWidth * label->height) +
               "\" stroke-linejoin=\"round\" paint-order=\"stroke\"";
      }
      svg += ">" + escaped(label->text) + "</text>\n";
    }
  }
  cairo_destroy(cr);
  cairo_surface_destroy(scratch);
  return svg + "</svg>\n";
}
