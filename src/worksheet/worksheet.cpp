// The worksheet's pages, laid out on A4 with cairo: the tasks with room to work, then the key.
#include "worksheet.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app.h"
#include "drawing.h"
#include "explanation.h"
#include "input.h"
#include "messages.h"
#include "picture.h"
#include "scene.h"

namespace {

// A4 upright, in points (1/72 inch); 15 mm margins, a footer line below the text.
constexpr double kPageWidth = 595.28, kPageHeight = 841.89;
constexpr double kMargin = 42.5;
constexpr double kWidth = kPageWidth - 2 * kMargin;
constexpr double kBottom = kPageHeight - kMargin - 14.0;
// Pictures in points. Drawn this small, the drawing's lines and names are at their smallest
// size (half the window's), which reads well on paper.
constexpr double kTaskPictureWidth = 228.0, kTaskPictureHeight = 171.0;
constexpr double kKeyPictureWidth = 220.0, kKeyPictureHeight = 165.0;
constexpr double kSolutionLeading = 9.0;  // the worked solution's lines, in a 7.2 point font
constexpr double kRuleGap = 21.0;         // between the ruled lines of the room to work
constexpr const char* kSans = "sans-serif";
constexpr const char* kMono = "monospace";
constexpr Rgb kInk{0.0f, 0.0f, 0.0f}, kGrey{0.4f, 0.4f, 0.4f}, kRule{0.82f, 0.82f, 0.82f};
constexpr Rgb kPaper{1.0f, 1.0f, 1.0f};

// The key's first line for each count; %s lists the corners, "M = (8/3, 1, 0), ...".
constexpr const char* kAnswerLines[7] = {
    N_("Odgovor: trouglovi nemaju zajednickih tacaka."),
    N_("Odgovor: presek je tacka %s."),
    N_("Odgovor: presek je duz sa krajevima %s."),
    N_("Odgovor: presek je trougao sa temenima %s."),
    N_("Odgovor: presek je cetvorougao sa temenima, redom po obodu, %s."),
    N_("Odgovor: presek je petougao sa temenima, redom po obodu, %s."),
    N_("Odgovor: presek je sestougao sa temenima, redom po obodu, %s."),
};

// One task of the sheet with everything its pages show.
struct SheetTask {
  PracticeTask practice;
  Task task;
  std::string first, second;  // the triangles' corners, one sentence each
  std::string answer;         // the key's first line
  std::vector<std::string> solution;
};

std::string cornerText(const Task& task, int k) {
  const auto word = [&](int axis) { return task.words[static_cast<std::size_t>(3 * k + axis)]; };
  return "(" + word(0) + ", " + word(1) + ", " + word(2) + ")";
}

// The task, its scene's answer and its worked solution.
SheetTask sheetTask(PracticeTask practice) {
  SheetTask s{std::move(practice), {}, {}, {}, {}, {}};
  const ExplanationWords words = taskWords(s.practice);
  for (int i = 0; i < 18; ++i)
    putNumber(s.task, i, readNumberWord(words[static_cast<std::size_t>(i)]).number);
  s.first = formatted(_("Prvi trougao: a1 %s, b1 %s, c1 %s."), cornerText(s.task, 0).c_str(),
                      cornerText(s.task, 1).c_str(), cornerText(s.task, 2).c_str());
  s.second = formatted(_("Drugi trougao: a2 %s, b2 %s, c2 %s."), cornerText(s.task, 3).c_str(),
                       cornerText(s.task, 4).c_str(), cornerText(s.task, 5).c_str());
  scene = Scene{};
  const Explanation explanation = explain(s.task.words, answerTask(s.task).intersection);
  s.solution = explanation.lines;
  // The corners named by the report's letters, as the picture names them: a segment's from M,
  // a polygon's in order around it from M.
  std::vector<std::pair<std::string, std::string>> named;  // letter, "(8/3, 1, 0)"
  for (const exact::Vec& p : s.practice.answer) {
    const std::string text = exact::pointText(p);
    const auto at = std::find(explanation.corners.begin(), explanation.corners.end(), text);
    const std::size_t k = static_cast<std::size_t>(at - explanation.corners.begin());
    named.push_back(
        {k < explanation.letters.size() ? explanation.letters.substr(k, 1) : "?", text});
  }
  const auto fromM = std::min_element(named.begin(), named.end());
  if (named.size() <= 2) {
    std::sort(named.begin(), named.end());
  } else {
    std::rotate(named.begin(), fromM, named.end());
  }
  std::string corners;
  for (const auto& [letter, text] : named) {
    corners += (corners.empty() ? "" : ", ") + letter + " = " + text;
  }
  const int count = std::clamp(static_cast<int>(named.size()), 0, 6);
  s.answer = count == 0 ? _(kAnswerLines[0]) : formatted(_(kAnswerLines[count]), corners.c_str());
  return s;
}

// The pages, drawn or (in a first pass) only measured, to count them for the footers.
struct Sheet {
  cairo_t* cr;
  bool drawing;
  std::string seed;
  int pages = 0;  // known after the first pass
  int page = 1;
  double y = kMargin;

  void font(const char* family, double size, bool bold = false) {
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
  }

  double advance(const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
  }

  void show(double x, double baseline, const std::string& text, const Rgb& colour = kInk) {
    if (!drawing) return;
    cairo_set_source_rgb(cr, colour.red, colour.green, colour.blue);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, text.c_str());
  }

  // The text broken at blanks into lines at most `width` wide in the current font; with
  // `indented`, a line broken goes on indented as it began, and three more.
  std::vector<std::string> wrapped(const std::string& text, double width, bool indented = false) {
    std::vector<std::string> lines;
    const std::size_t start = text.find_first_not_of(' ');
    const std::string indent(start == std::string::npos || !indented ? 0 : start + 3, ' ');
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
      // The next word ends at a blank, but a point such as "(8/3, 1, 0)" stays whole.
      std::size_t end = text.find_first_not_of(' ', at);
      if (end == std::string::npos) break;  // blanks at the end
      for (; end < text.size() && text[end] != ' '; ++end) {
        const std::size_t close = text.find(')', end);
        if (text[end] == '(' && close != std::string::npos &&
            std::none_of(text.begin() + static_cast<long>(end),
                         text.begin() + static_cast<long>(close),
                         [](char c) { return std::isalpha(static_cast<unsigned char>(c)); })) {
          end = close;
        }
      }
      const std::string word = text.substr(at, end - at);
      if (!line.empty() && advance(line + word) > width) {
        lines.push_back(line);
        line = indent + word.substr(word.find_first_not_of(' '));
      } else {
        line += word;
      }
      at = end;
    }
    lines.push_back(line);
    return lines;
  }

  // Lines of text from x, each `leading` below the last, wrapped to the width.
  void paragraph(double x, const std::string& text, double width, double leading,
                 const Rgb& colour = kInk) {
    for (const std::string& line : wrapped(text, width)) {
      y += leading;
      show(x, y, line, colour);
    }
  }

  void footer() {
    font(kSans, 8);
    const std::string text = formatted(_("Seme %s, strana %d od %d."), seed.c_str(), page, pages);
    show(kPageWidth - kMargin - advance(text), kPageHeight - kMargin + 4, text, kGrey);
    show(kMargin, kPageHeight - kMargin + 4, "trikros", kGrey);
  }

  void newPage() {
    footer();
    if (drawing) cairo_show_page(cr);
    ++page;
    y = kMargin;
  }

  void rule(double x0, double y0, double x1, double y1, const Rgb& colour, double width) {
    if (!drawing) return;
    cairo_set_source_rgb(cr, colour.red, colour.green, colour.blue);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
  }

  // The scene's first view at (x, y), on white paper, framed by a thin grey line.
  void picture(double x, double top, double width, double height) {
    if (!drawing) return;
    Shown shown;
    shown.hint = false;
    drawing::List list =
        drawScene(scene, firstView(static_cast<int>(width), static_cast<int>(height)), shown);
    list.background = kPaper;
    list.halo = kPaper;
    cairo_save(cr);
    cairo_translate(cr, x, top);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_clip(cr);
    paintOnCairo(cr, list);
    cairo_restore(cr);
    cairo_rectangle(cr, x, top, width, height);
    cairo_set_source_rgb(cr, kGrey.red, kGrey.green, kGrey.blue);
    cairo_set_line_width(cr, 0.5);
    cairo_stroke(cr);
  }
};

// The header of the first page: the title, lines for the name and the date, what to do, and the
// seed with the command that makes the same sheet.
void header(Sheet& sheet, const std::string& command) {
  sheet.font(kSans, 15, true);
  sheet.y += 15;
  sheet.show(kMargin, sheet.y, _("Presek dva trougla u prostoru: listic za vezbu"));
  sheet.font(kSans, 10.5);
  sheet.y += 26;
  sheet.show(kMargin, sheet.y,
             _("Ime i prezime: ______________________________    Odeljenje: ________    Datum: "
               "________________"));
  sheet.y += 6;
  sheet.font(kSans, 9.5);
  sheet.paragraph(kMargin,
                  _("U svakom zadatku odredite sta dva trougla imaju zajednicko: nista, tacku, duz "
                    "ili mnogougao. Temena napisite tacno, razlomcima, a temena mnogougla redom po "
                    "obodu."),
                  kWidth, 13);
  sheet.font(kSans, 7.5);
  sheet.paragraph(kMargin,
                  formatted(_("Seme listica je %s; isti listic daje komanda %s."),
                            sheet.seed.c_str(), command.c_str()),
                  kWidth, 11, kGrey);
  sheet.y += 8;
  sheet.rule(kMargin, sheet.y, kPageWidth - kMargin, sheet.y, kGrey, 0.6);
}

// One task between top and bottom: its number and corners left of its picture, ruled lines to
// work on, and a line for the answer.
void taskBlock(Sheet& sheet, const SheetTask& s, int number, double top, double bottom) {
  const double pictureLeft = kPageWidth - kMargin - kTaskPictureWidth;
  const double textWidth = pictureLeft - kMargin - 12;
  sheet.y = top + 4;
  sheet.font(kSans, 12, true);
  sheet.y += 12;
  sheet.show(kMargin, sheet.y, formatted(_("Zadatak %d."), number));
  sheet.font(kSans, 10);
  sheet.y += 4;
  sheet.paragraph(kMargin, s.first, textWidth, 14);
  sheet.y += 3;
  sheet.paragraph(kMargin, s.second, textWidth, 14);
  if (sheet.drawing) {
    scene = Scene{};
    addTaskScene(s.task);
  }
  sheet.picture(pictureLeft, top + 6, kTaskPictureWidth, kTaskPictureHeight);
  // The room to work: ruled lines, beside the picture and then across.
  const double answerLine = bottom - 10;
  for (double line = sheet.y + kRuleGap; line < answerLine - kRuleGap / 2; line += kRuleGap) {
    const double right =
        line < top + 6 + kTaskPictureHeight + 4 ? pictureLeft - 12 : kPageWidth - kMargin;
    sheet.rule(kMargin, line, right, line, kRule, 0.4);
  }
  sheet.font(kSans, 10, true);
  const std::string label = _("Presek:");
  sheet.show(kMargin, answerLine, label);
  sheet.rule(kMargin + sheet.advance(label) + 6, answerLine + 2, kPageWidth - kMargin,
             answerLine + 2, kGrey, 0.6);
}

// The key of one task: its number, the exact answer and the worked solution beside the picture
// with the answer and then below it; a new page first when the number, the answer and the
// picture would not fit.
void keyBlock(Sheet& sheet, const SheetTask& s, int number) {
  if (sheet.y + 24 + kKeyPictureHeight > kBottom) sheet.newPage();
  const double top = sheet.y + 6, pictureLeft = kPageWidth - kMargin - kKeyPictureWidth;
  const double pictureBottom = top + kKeyPictureHeight + 6,
               besideWidth = pictureLeft - kMargin - 10;
  if (sheet.drawing) {
    scene = Scene{};
    answerTask(s.task);
  }
  sheet.picture(pictureLeft, top, kKeyPictureWidth, kKeyPictureHeight);
  sheet.font(kSans, 12, true);
  sheet.y += 16;
  sheet.show(kMargin, sheet.y, formatted(_("Zadatak %d."), number));
  sheet.font(kSans, 9.5, true);
  sheet.paragraph(kMargin, s.answer, besideWidth, 13);
  sheet.y += 4;
  sheet.font(kMono, 7.2);
  for (const std::string& line : s.solution) {
    const double width = sheet.y + kSolutionLeading < pictureBottom ? besideWidth : kWidth;
    for (const std::string& part : sheet.wrapped(line, width, true)) {
      if (sheet.y + kSolutionLeading > kBottom) sheet.newPage();
      sheet.y += kSolutionLeading;
      sheet.show(kMargin, sheet.y, part);
    }
  }
  sheet.y = std::max(sheet.y, pictureBottom) + 10;
  sheet.rule(kMargin, sheet.y - 5, kPageWidth - kMargin, sheet.y - 5, kRule, 0.6);
}

// Every page: the tasks two to a page, then the key.
void layOut(Sheet& sheet, const std::vector<SheetTask>& tasks, const std::string& command) {
  header(sheet, command);
  for (std::size_t i = 0; i < tasks.size(); i += 2) {
    if (i > 0) sheet.newPage();
    const double top = sheet.y + 6, middle = (top + kBottom) / 2;
    taskBlock(sheet, tasks[i], static_cast<int>(i) + 1, top, middle);
    if (i + 1 < tasks.size()) {
      sheet.rule(kMargin, middle, kPageWidth - kMargin, middle, kGrey, 0.6);
      taskBlock(sheet, tasks[i + 1], static_cast<int>(i) + 2, middle, kBottom);
    }
  }
  sheet.newPage();
  sheet.font(kSans, 15, true);
  sheet.y += 15;
  sheet.show(kMargin, sheet.y, _("Resenja"));
  sheet.font(kSans, 7.5);
  sheet.paragraph(kMargin, formatted(_("Resenja listica sa semenom %s."), sheet.seed.c_str()),
                  kWidth, 11, kGrey);
  for (std::size_t i = 0; i < tasks.size(); ++i) keyBlock(sheet, tasks[i], static_cast<int>(i) + 1);
  sheet.footer();
  if (sheet.drawing) cairo_show_page(sheet.cr);
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

std::string whyNotWritten(int error) {
  switch (error) {
    case ENOENT:
      return _("fascikla ne postoji");
    case EACCES:
    case EPERM:
      return _("nema dozvole za pisanje");
    case EISDIR:
      return _("to je fascikla");
    case ENOSPC:
      return _("disk je pun");
    case EROFS:
      return _("disk je samo za citanje");
    default:
      return std::strerror(error);
  }
}

bool endsWithPdf(const std::string& path) {
  if (path.size() < 5 || path[path.size() - 4] != '.' || path[path.size() - 5] == '/') return false;
  std::string ending = path.substr(path.size() - 3);
  for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ending == "pdf";
}

}  // namespace

std::string worksheetCommand(const WorksheetRequest& request, const std::string& path) {
  std::string command = "trikros --listic " + std::to_string(request.tasks) + " " + asShown(path) +
                        " --seme " + std::to_string(request.seed);
  for (const TaskKind& kind : request.kinds) command += " " + taskKindWord(kind);
  if (request.range != kDefaultRange) command += " --opseg " + std::to_string(request.range);
  return command;
}

std::string writeWorksheet(const WorksheetRequest& request, const std::string& path) {
  const std::string shown = asShown(path);
  const auto failed = [&shown](const std::string& why) {
    return formatted(_("Greska: listic \"%s\" nije zapisan: %s."), shown.c_str(), why.c_str());
  };
  if (!endsWithPdf(path)) return failed(_("ime datoteke treba da se zavrsava sa .pdf"));

  // 1. The tasks, each from its own seed, with their answers and worked solutions.
  std::vector<SheetTask> tasks;
  for (int i = 0; i < request.tasks; ++i) {
    const TaskKind kind = request.kinds.empty()
                              ? TaskKind{}
                              : request.kinds[static_cast<std::size_t>(i) % request.kinds.size()];
    std::optional<PracticeTask> practice =
        newTask(kind, worksheetTaskSeed(request.seed, i), request.range);
    if (!practice) return failed(formatted(_("zadatak broj %d nije nadjen"), i + 1));
    tasks.push_back(sheetTask(std::move(*practice)));
  }

  // 2. The pages counted, then drawn into a file beside the one asked for, which takes its name
  //    only when whole: a full disk never leaves a broken sheet, nor takes the one there before.
  const std::string partial = path + "." + std::to_string(getpid()) + ".tmp";
  std::FILE* file = std::fopen(partial.c_str(), "wbx");
  if (file == nullptr) return failed(whyNotWritten(errno));
  Sink sink{file, 0};
  cairo_surface_t* surface =
      cairo_pdf_surface_create_for_stream(writeToFile, &sink, kPageWidth, kPageHeight);
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE,
                                 _("Presek dva trougla u prostoru: listic za vezbu"));
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "trikros");
  cairo_t* cr = cairo_create(surface);
  const std::string command = worksheetCommand(request, path);
  Sheet counting{cr, false, std::to_string(request.seed)};
  layOut(counting, tasks, command);
  Sheet sheet{cr, true, std::to_string(request.seed), counting.page};
  layOut(sheet, tasks, command);
  cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);

  // 3. Everything must have reached the disk before the file takes the name.
  int error = sink.error;
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
