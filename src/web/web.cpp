// The page's entry points: a task typed into the eighteen fields answered as the console
// answers it, and the picture as a drawing list, moved by the window's gestures.
//
// The page's script calls these with ccall, passing text and numbers; each
// that answers returns JSON, which stays valid until the next call.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

#include "app.h"
#include "drawing.h"
#include "explanation.h"
#include "input.h"
#include "messages.h"
#include "scene.h"
#include "tasks.h"

namespace {

using Json = nlohmann::json;

View view;  // framed for the picture by trikros_resize
Shown shown = [] {
  Shown s;
  s.quitKey = false;       // a page is closed by the browser, not by a key
  s.leftDragTurns = true;  // a page's left drag turns, as one finger does
  return s;
}();
std::string reply;  // the text last returned

const char* answered(std::string text) {
  reply = std::move(text);
  return reply.c_str();
}

constexpr int kFileWidth = 1600, kFileHeight = 1200;  // as --slika writes a PNG

const char* answeredJson(const Json& json) {
  // Bytes that are not UTF-8 (a field may hold anything) are replaced, not refused.
  return answered(json.dump(-1, ' ', false, Json::error_handler_t::replace));
}

// ---- JSON ------------------------------------------------------------------

// Pixels to a hundredth: finer than any screen shows.
double pixels(double value) {
  return std::isfinite(value) ? std::round(value * 100.0) / 100.0 : 0.0;
}

std::string colour(const Rgb& rgb) {
  const auto byte = [](float part) { return std::to_string(std::lround(part * 255.0f)); };
  return "rgb(" + byte(rgb.red) + "," + byte(rgb.green) + "," + byte(rgb.blue) + ")";
}

// Each mark as an array led by its kind:
//   ["polygon", colour, opacity, x1, y1, x2, y2, ...]
//   ["line", colour, width, dash, x1, y1, x2, y2]
//   ["dot", colour, radius, x, y]
//   ["label", colour, halo, height, width, x, y, text]
Json markJson(const drawing::Mark& mark) {
  return std::visit(
      [](const auto& m) -> Json {
        using Kind = std::decay_t<decltype(m)>;
        if constexpr (std::is_same_v<Kind, drawing::Polygon>) {
          Json polygon = {"polygon", colour(m.color), pixels(m.opacity)};
          for (const drawing::Spot& s : m.corners) {
            polygon.push_back(pixels(s.x));
            polygon.push_back(pixels(s.y));
          }
          return polygon;
        } else if constexpr (std::is_same_v<Kind, drawing::Line>) {
          return {"line",          colour(m.color), pixels(m.width), pixels(m.dash),
                  pixels(m.from.x), pixels(m.from.y), pixels(m.to.x),  pixels(m.to.y)};
        } else if constexpr (std::is_same_v<Kind, drawing::Dot>) {
          return {"dot", colour(m.color), pixels(m.radius), pixels(m.centre.x), pixels(m.centre.y)};
        } else {
          return {"label",          colour(m.color), m.halo ? 1 : 0, pixels(m.height),
                  pixels(m.width), pixels(m.at.x),  pixels(m.at.y), m.text};
        }
      },
      mark);
}

// The list as the page paints it:
//   {"width": w, "height": h, "background": colour, "halo": colour, "marks": [...]}
const char* listJson(const drawing::List& list) {
  Json marks = Json::array();
  for (const drawing::Mark& mark : list.marks) marks.push_back(markJson(mark));
  return answeredJson(Json{{"width", list.width},
                           {"height", list.height},
                           {"background", colour(list.background)},
                           {"halo", colour(list.halo)},
                           {"marks", marks}});
}

// Where the console trims: the blanks around a word.
std::string trimmed(const std::string& text) {
  const char* const blanks = " \t\r\v\f";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The picture told in words, for those who cannot see it: what it shows and
// the answer, or why it is empty.
const char* pictureText(bool complete, const Intersection& answer) {
  static const char* const kByCount[kMaxCorners + 1] = {
      N_("Slika zadatka: ose, prvi trougao plavom i drugi ljubicastom bojom; trouglovi se ne "
         "seku."),
      N_("Slika zadatka: ose, prvi trougao plavom i drugi ljubicastom bojom, a crvenom njihov "
         "presek, tacka M."),
      N_("Slika zadatka: ose, prvi trougao plavom i drugi ljubicastom bojom, a crvenom njihov "
         "presek, duz MN."),
      N_("Slika zadatka: ose, prvi trougao plavom i drugi ljubicastom bojom, a crvenom njihov "
         "presek, trougao MNP."),
      N_("Slika zadatka: ose, prvi trougao plavom i drugi ljubicastom bojom, a crvenom njihov "
         "presek, cetvorougao MNPQ."),
      N_("Slika zadatka: ose, prvi trougao plavom i drugi ljubicastom bojom, a crvenom njihov "
         "presek, petougao MNPQR."),
      N_("Slika zadatka: ose, prvi trougao plavom i drugi ljubicastom bojom, a crvenom njihov "
         "presek, sestougao MNPQRS."),
  };
  if (!complete)
    return _("Slike nema: neki broj zadatka nije prihvacen (greska je navedena kod polja).");
  return _(kByCount[std::clamp(answer.count, 0, kMaxCorners)]);
}

// The first n lines of text, each trimmed.
std::vector<std::string> linesOf(const std::string& text, std::size_t n) {
  std::vector<std::string> lines(n);
  std::size_t start = 0;
  for (std::string& line : lines) {
    if (start > text.size()) break;
    const std::size_t end = std::min(text.find('\n', start), text.size());
    line = trimmed(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The kinds a new task may be asked for, with their names on the page ("" lets the seed choose).
constexpr const char* kTaskKinds[][2] = {
    {"", N_("bilo koja")},
    {"nema-u-ravni", N_("nema zajednickih tacaka, u jednoj ravni")},
    {"nema-u-prostoru", N_("nema zajednickih tacaka, u prostoru")},
    {"tacka-u-ravni", N_("tacka, u jednoj ravni")},
    {"tacka-u-prostoru", N_("tacka, u prostoru")},
    {"duz-u-ravni", N_("duz, u jednoj ravni")},
    {"duz-u-prostoru", N_("duz, u prostoru")},
    {"trougao", N_("trougao")},
    {"cetvorougao", N_("cetvorougao")},
    {"petougao", N_("petougao")},
    {"sestougao", N_("sestougao")},
};

// The fixed cases as the page's list names them.
constexpr const char* kCaseNames[kFixedCaseCount] = {
    N_("1: ravni se seku, presek je duz na ivici prvog trougla"),
    N_("2: ravni se seku, presek je tacka"),
    N_("3: jedna ravan, zajednicko teme"),
    N_("4: teme drugog unutar prvog trougla"),
    N_("5: jedna ravan, teme na stranici"),
    N_("6: ravni se seku, presek je duz preko prvog trougla"),
    N_("7: jedna ravan, stranice se preklapaju"),
    N_("8: jedna ravan, presek je trougao"),
    N_("9: jedna ravan, presek je cetvorougao"),
    N_("10: jedna ravan, presek je sestougao"),
    N_("11: jedna ravan, presek je petougao"),
    N_("12: drugi trougao unutar prvog"),
};

// What a student may say the common part is, by its count of corners.
constexpr const char* kAnswerKinds[7] = {
    N_("nema zajednickih tacaka"),
    N_("tacka"),
    N_("duz"),
    N_("trougao"),
    N_("cetvorougao"),
    N_("petougao"),
    N_("sestougao"),
};

}  // namespace

extern "C" {

// The task in the eighteen fields, a1.x to c2.z, one per line. Returns
//   {"complaints": [18 texts, "" for an accepted field], "words": [the 18 words taken],
//    "notes": ..., "report": ..., "explanation": ...,
//    "answer": {"heading": "Resenje: cetvorougao", "corners": [{"letter": "M",
//               "exact": "(8/3, 1, 0)", "decimal": "(2.666667, 1, 0)", "rounded": true}, ...]}}
// with the notes, the report and the worked solution exactly as the console
// prints them, and the exact answer as a student writes it (a polygon's
// corners in order around it, a segment's from M to N); with a refused field, no notes and no report, and the line of
// --objasni for an incomplete task. The scene is built anew and the view
// returns to the first view.
//
//   const reply = JSON.parse(Module.ccall('trikros_answer', 'string', ['string'], [fields]));
EMSCRIPTEN_KEEPALIVE const char* trikros_answer(const char* fields) {
  const std::vector<std::string> words = linesOf(fields, 18);
  // 1. Every field read whole, as the console reads a word.
  Task task;
  Json complaints = Json::array(), taken = Json::array();
  bool complete = true;
  for (int i = 0; i < 18; ++i) {
    const std::string& word = words[static_cast<std::size_t>(i)];
    const WordReading reading = readNumberWord(word);
    std::string complaint;
    if (reading.refusal != Refusal::None) {
      complaint = formatted(_("Greska: %s."), refusalText(kCoordinateNames[i], reading).c_str());
    } else {
      putNumber(task, i, reading.number);
    }
    complete = complete && complaint.empty();
    complaints.push_back(complaint);
    taken.push_back(word);
  }
  // 2. The answer and its scene, as every program builds them.
  scene = Scene{};
  std::string notes, report, explanation = "\n" + std::string(_(kIncompleteTask)) + "\n";
  Intersection intersection;
  Json exactAnswer = nullptr;
  if (complete) {
    const TaskAnswer answer = answerTask(task);
    notes = answer.notes;
    report = answer.report;
    intersection = answer.intersection;
    const Explanation worked = explain(task.words, answer.intersection);
    explanation = explanationText(worked);
    Json corners = Json::array();
    for (std::size_t k = 0; k < worked.corners.size(); ++k) {
      corners.push_back({{"letter", worked.letters.substr(k, 1)},
                         {"exact", worked.corners[k]},
                         {"decimal", worked.decimals[k]},
                         {"rounded", worked.rounded[k]}});
    }
    static const char* const kHeadings[7] = {
        N_("Resenje: nema zajednickih tacaka"), N_("Resenje: tacka"),       N_("Resenje: duz"),
        N_("Resenje: trougao"),                 N_("Resenje: cetvorougao"), N_("Resenje: petougao"),
        N_("Resenje: sestougao")};
    exactAnswer = {{"heading", _(kHeadings[std::clamp(worked.count, 0, 6)])},
                   {"corners", corners}};
  }
  view = firstView(view.width, view.height);  // after the scene: the first view fits the figure
  return answeredJson(Json{{"complaints", complaints},
                       {"words", taken},
                       {"notes", notes},
                       {"report", report},
                       {"explanation", explanation},
                       {"answer", exactAnswer},
                       {"picture", pictureText(complete, intersection)}});
}

// A task written as a line, as the address holds it: eighteen numbers
// separated by blanks, commas or semicolons, read as a task file is (see
// splitTask). Returns {"words": [18 words, "" where none], "note": ...}, the
// note saying when there were more than eighteen.
//
//   const task = JSON.parse(Module.ccall('trikros_task_words', 'string', ['string'], [text]));
EMSCRIPTEN_KEEPALIVE const char* trikros_task_words(const char* text) {
  const TaskText split = splitTask(text);
  Json words = Json::array();
  for (std::size_t i = 0; i < 18; ++i)
    words.push_back(i < split.words.size() ? split.words[i].text : "");
  const bool more = split.words.size() > 18;
  return answeredJson(
      Json{{"words", words},
           {"note", more ? _("Napomena: adresa ima vise od 18 brojeva; oni posle osamnaestog su "
                             "zanemareni.\n")
                         : ""}});
}

// The eighteen numbers of fixed case 1 to 12 (those of trikros-case01 to
// 12), one per line; "" for another number.
EMSCRIPTEN_KEEPALIVE const char* trikros_fixed_case(int number) {
  if (number < 1 || number > kFixedCaseCount) return answered("");
  std::string lines;
  for (const std::string& word : wordsOfFloats(fixedCase(number))) lines += word + "\n";
  return answered(lines);
}

// The picture's size in CSS pixels. As when the window is resized, the view
// goes back to the first view, framed for the new size.
EMSCRIPTEN_KEEPALIVE void trikros_resize(int width, int height) {
  view = firstView(width, height);
}

// The gestures: a left drag (or one finger) turns in space, Shift + drag or a
// right drag pans, a middle drag zooms; a wheel's notches and a pinch's
// factor zoom about the figure's centre. trikros_spin turns about the line
// of sight, as the window's right drag does.
EMSCRIPTEN_KEEPALIVE void trikros_pan(int dx, int dy) {
  view = panBy(view, dx, dy);
}
EMSCRIPTEN_KEEPALIVE void trikros_spin(int dx, int dy) {
  view = spinBy(view, dx, dy);
}
EMSCRIPTEN_KEEPALIVE void trikros_turn(int dx, int dy) {
  // Up turns the top away, right turns the front to the right.
  view = turnBy(view, dragDegrees(view, dy), dragDegrees(view, dx));
}
EMSCRIPTEN_KEEPALIVE void trikros_zoom_drag(int dy) {
  view = zoomBy(view, dragZoom(dy));
}
EMSCRIPTEN_KEEPALIVE void trikros_zoom(double factor) {
  view = zoomBy(view, factor);
}
EMSCRIPTEN_KEEPALIVE void trikros_wheel(double notches) {
  // A notch away from the user zooms in as + does.
  view = zoomBy(view, std::pow(kKeyZoom, notches));
}

// A key as the browser names it (KeyboardEvent.key): the window's keys
// arrows, + - 1 2 3 F Home L P T H. Returns 1 when the picture changed.
//
//   if (Module.ccall('trikros_key', 'number', ['string'], [event.key])) paintSoon();
EMSCRIPTEN_KEEPALIVE int trikros_key(const char* key) {
  const std::string k = key;
  if (k == "+" || k == "=") {
    view = zoomBy(view, kKeyZoom);
  } else if (k == "-") {
    view = zoomBy(view, 1.0 / kKeyZoom);
  } else if (k == "f" || k == "F" || k == "Home") {
    view = firstView(view.width, view.height);
  } else if (k == "1" || k == "2" || k == "3") {  // from above, the front, the side
    view = viewFrom(view, k == "1"   ? Standpoint::Top
                          : k == "2" ? Standpoint::Front
                                     : Standpoint::Side);
  } else if (k == "l" || k == "L") {
    shown.labels = !shown.labels;
  } else if (k == "p" || k == "P") {
    shown.planeLine = !shown.planeLine;
  } else if (k == "t" || k == "T") {
    shown.fills = !shown.fills;
  } else if (k == "h" || k == "H") {
    shown.help = !shown.help;
  } else if (k == "ArrowUp") {  // the top turns away, as with a drag upwards
    view = turnBy(view, -kKeyTurnDegrees, 0.0);
  } else if (k == "ArrowDown") {
    view = turnBy(view, kKeyTurnDegrees, 0.0);
  } else if (k == "ArrowLeft") {
    view = turnBy(view, 0.0, -kKeyTurnDegrees);
  } else if (k == "ArrowRight") {
    view = turnBy(view, 0.0, kKeyTurnDegrees);
  } else {
    return 0;
  }
  return 1;
}

// The picture under the current view:
//   {"width": w, "height": h, "background": colour, "halo": colour, "marks": [...]}
// with the marks in painting order (see markJson).
//
//   const list = JSON.parse(Module.ccall('trikros_draw', 'string', [], []));
EMSCRIPTEN_KEEPALIVE const char* trikros_draw() {
  return listJson(drawScene(scene, view, shown));
}

// The picture as Sacuvaj sliku saves it: the current view at 1600 x 1200, on
// white paper, without the hint; the same JSON as trikros_draw.
EMSCRIPTEN_KEEPALIVE const char* trikros_draw_file() {
  View large = view;
  large.width = kFileWidth;
  large.height = kFileHeight;
  // The figure is framed on the smaller side: a pan grows with it.
  const double grown = static_cast<double>(std::min(kFileWidth, kFileHeight)) /
                       std::max(1, std::min(view.width, view.height));
  large.panX *= grown;
  large.panY *= grown;
  Shown onPaper = shown;
  onPaper.hint = onPaper.help = false;
  onPaper.print = true;
  return listJson(drawScene(scene, large, onPaper));
}

// ---- The page's words, in its language --------------------------------------

// The language of every text from here on: "sr-Latn", "sr-Cyrl" or "en";
// anything else gives the texts as written. Returns 1 for a language the page has.
//
//   Module.ccall('trikros_set_language', 'number', ['string'], ['sr-Cyrl']);
EMSCRIPTEN_KEEPALIVE int trikros_set_language(const char* code) {
  return setLanguage(code) ? 1 : 0;
}

// Every text of the page in its language, the kinds of tasks and of answers, and the
// corners' names:
//   {"texts": {id: text}, "cases": [name of case 1, ...], "kinds": [[word, name], ...],
//    "answers": [name by count], "corners": ["M", "N", ...]}
// An element with data-text="id" shows texts[id]; with data-label="id", says it.
//
//   const page = JSON.parse(Module.ccall('trikros_page_texts', 'string', [], []));
EMSCRIPTEN_KEEPALIVE const char* trikros_page_texts() {
  Json kinds = Json::array(), answers = Json::array(), cases = Json::array();
  for (const auto& [word, name] : kTaskKinds) kinds.push_back({word, _(name)});
  for (const char* name : kAnswerKinds) answers.push_back(_(name));
  for (const char* name : kCaseNames) cases.push_back(_(name));
  const Json texts = {
      {"naslovStrane", _("trikros - presek dva trougla u prostoru")},
      {"uvod", _("Presek dva trougla u prostoru: unesite temena oba trougla i pritisnite "
                 "Izracunaj.")},
      {"oblici", _("Broj se pise kao 3, -2.5, .5, 1e3 ili 1/3 (decimale sa tackom).")},
      {"prvi", _("Prvi trougao")},
      {"drugi", _("Drugi trougao")},
      {"znakovi", _("Znakovi koje tastatura telefona nema")},
      {"minus", _("minus")},
      {"tacka", _("decimalna tacka")},
      {"crta", _("razlomacka crta")},
      {"izracunaj", _("Izracunaj")},
      {"primer", _("Primer:")},
      {"izaberite", _("izaberite...")},
      {"red", _("Zadatak u jednom redu, za datoteku zadatka ili za adresu:")},
      {"kopiraj", _("Kopiraj")},
      {"kopiran", _("Red je kopiran.")},
      {"oznacen", _("Red je oznacen: kopirajte ga sa Ctrl+C.")},
      {"nepotpun", _("Zadatak nije potpun: ispravite oznacena polja, pa pritisnite Izracunaj.")},
      {"prikaziObjasnjenje", _("Prikazi objasnjenje")},
      {"sakrijObjasnjenje", _("Sakrij objasnjenje")},
      {"sacuvaj", _("Sacuvaj sliku")},
      {"pocetni", _("Pocetni pogled (F)")},
      {"pomoc", _("Levi taster misa (ili prevlacenje jednim prstom) okrece sliku u prostoru, "
                  "Shift + levi ili desni taster je pomera; tocak misa i dva prsta uvelicavaju. "
                  "Tasteri (dok je slika izabrana): strelice, + i -, 1, 2, 3 (pogled odozgo, "
                  "spreda, sa strane), F, L, P, T, H (pomoc), S (cuvanje slike).")},
      {"jezik", _("Jezik")},
      {"naslov", _("Vezba")},
      {"vrstaZadatka", _("Vrsta zadatka:")},
      {"noviZadatak", _("Novi zadatak")},
      {"mojaVrsta", _("Moj odgovor: presek je")},
      {"proveri", _("Proveri moj odgovor")},
      {"prikaziResenje", _("Prikazi izvestaj i presek na slici")},
      {"uputstvo", _("Temena upisite tacno, razlomcima (1/3) ili decimalama (2.5), a temena "
                     "mnogougla redom po obodu, od bilo kog temena.")},
  };
  return answeredJson(Json{{"texts", texts},
                           {"cases", cases},
                           {"kinds", kinds},
                           {"answers", answers},
                           {"corners", kCornerNames}});
}

// A new task of the kind ("" for any) from the seed, whole number from 1 to 2^53:
//   {"fields": [18 words], "about": sentence} or {"complaint": sentence}.
// The scene holds the two triangles alone, so that the picture does not give the answer away.
//
//   const task = JSON.parse(Module.ccall('trikros_new_task', 'string', ['string', 'number'],
//                                        ['duz-u-prostoru', 12345]));
EMSCRIPTEN_KEEPALIVE const char* trikros_new_task(const char* kind, double seed) {
  TaskKind asked;
  if (*kind != '\0') {
    const KindReading reading = readTaskKind(kind);
    if (!reading.kind) return answeredJson(Json{{"complaint", reading.complaint}});
    asked = *reading.kind;
  }
  const auto number =
      static_cast<std::uint64_t>(seed >= 1.0 && seed < 9007199254740992.0 ? seed : 1.0);
  const std::optional<PracticeTask> made = newTask(asked, number, kDefaultRange);
  if (!made) {
    return answeredJson(Json{{"complaint", formatted(_("Za seme %s nije nadjen zadatak."),
                                                     std::to_string(number).c_str())}});
  }
  const ExplanationWords words = taskWords(*made);
  Task task;
  for (int i = 0; i < 18; ++i) {
    putNumber(task, i, readNumberWord(words[static_cast<std::size_t>(i)]).number);
  }
  scene = Scene{};
  addTaskScene(task);
  view = firstView(view.width, view.height);
  return answeredJson(
      Json{{"fields", words},
           {"about", formatted(_("Novi zadatak (seme %s) je u poljima iznad: odredite presek "
                                 "trouglova, pa upisite svoj odgovor."),
                               std::to_string(number).c_str())}});
}

// The student's answer to the task in the eighteen fields: the count of corners (0 to 6) and
// their coordinates, M.x to S.z, one per line. Returns
//   {"complaints": [per coordinate typed, "" when taken], "lines": [sentences], "right": bool}
// with the lines as checkAnswer says them.
//
//   const verdict = JSON.parse(Module.ccall('trikros_check', 'string',
//                                           ['string', 'number', 'string'], [fields, 2, corners]));
EMSCRIPTEN_KEEPALIVE const char* trikros_check(const char* fields, int count, const char* corners) {
  const std::vector<std::string> words = linesOf(fields, 18);
  ExplanationWords task;
  std::copy(words.begin(), words.end(), task.begin());
  StudentAnswer answer{std::clamp(count, 0, 6), {}};
  const std::vector<std::string> typed =
      linesOf(corners, 3 * static_cast<std::size_t>(answer.count));
  for (std::size_t k = 0; k < typed.size(); k += 3)
    answer.corners.push_back({typed[k], typed[k + 1], typed[k + 2]});
  const Verdict verdict = checkAnswer(task, answer);
  return answeredJson(
      Json{{"complaints", verdict.complaints}, {"lines", verdict.lines}, {"right", verdict.right}});
}

}  // extern "C"
