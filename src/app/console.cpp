// The console dialogue and task files: eighteen numbers read whole, and refused words.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "app.h"
#include "input.h"
#include "messages.h"

namespace {

constexpr const char* kHeadings[2] = {N_("Uneti tacke prvog trougla:\n"),
                                      N_("Uneti tacke drugog trougla:\n")};

// Blanks separate words; a line break also ends a comment.
bool isBlank(int c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// A task file larger than this is not a task: its bytes are not read further.
constexpr std::size_t kLargestTaskFile = std::size_t{1} << 20;

// Words from a stream, with the number of the line each starts on, or from a
// task file split beforehand. The text after '#' on a line is a comment.
struct WordReader {
  std::FILE* input;
  const TaskText* file = nullptr;  // a task file's words, when it is one
  std::size_t taken = 0;           // how many of them were read
  int line = 1;
  int ended = '\n';     // what ended the last word: a blank, '\n', '#' or EOF
  int wordsOnLine = 0;  // words read so far from the line being read
  // Where the last word stood on its line, 1 for the first. At a terminal the
  // prompts of later words stand after what was typed, so a message after
  // such a word starts on a new line.
  int position = 0;

  // The next word, or false at the end of the input. A word longer than
  // kLongestWord is kept one character longer, enough to refuse it.
  bool next(std::string& word, int& wordLine) {
    if (file != nullptr) {
      if (taken == file->words.size()) {
        line = file->lines;
        return false;
      }
      line = wordLine = file->words[taken].line;
      word = file->words[taken++].text;
      return true;
    }
    int c = std::fgetc(input);
    for (;; c = std::fgetc(input)) {
      if (c == EOF) return false;
      if (c == '\n') newLine();
      if (c == '#') skipComment();
      if (c != '\n' && c != '#' && !isBlank(c)) break;
    }
    wordLine = line;
    position = ++wordsOnLine;
    word.clear();
    for (; c != EOF && c != '\n' && c != '#' && !isBlank(c); c = std::fgetc(input)) {
      if (word.size() <= kLongestWord) word += static_cast<char>(c);
    }
    ended = c;
    // A byte order mark before the first word, which some editors write and
    // no one sees, is not part of it.
    if (line == 1 && position == 1 && word.rfind("\xef\xbb\xbf", 0) == 0) word.erase(0, 3);
    if (c == '\n') newLine();
    if (c == '#') skipComment();
    return !word.empty() || next(word, wordLine);
  }

  // The words left on the line of the last word, read and dropped.
  std::string restOfLine() {
    std::string rest;
    if (ended == '\n' || ended == '#' || ended == EOF) return rest;
    for (int c = std::fgetc(input); c != EOF && c != '\n'; c = std::fgetc(input)) {
      if (c == '#') {
        skipComment();
        break;
      }
      rest += static_cast<char>(c);
    }
    ended = '\n';
    newLine();
    return trimmed(rest);
  }

  // Every word up to the end of the input, at most a few of them kept.
  std::string rest() {
    std::string words, word;
    int at = 0, count = 0;
    while (next(word, at)) {
      if (++count <= 3) words += (words.empty() ? "" : " ") + word;
    }
    return count > 3 ? words + " ..." : words;
  }

  void skipComment() {
    int c = std::fgetc(input);
    while (c != EOF && c != '\n') c = std::fgetc(input);
    if (c == '\n') newLine();
    ended = c;
  }

  void newLine() {
    ++line;
    wordsOnLine = 0;
  }

  static std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\v\f");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r\v\f") - first + 1);
  }
};

// What is said where, and how a refused word is met.
struct Dialogue {
  const TaskSource& source;
  WordReader words;

  // A refused word where the task cannot go on: what and, in a file, where.
  std::string complaint(int line, const std::string& refusal) const {
    if (source.fileName == nullptr) {
      return formatted(_("Greska: %s; zadatak nije resen.\n"), refusal.c_str());
    }
    return formatted(_("Greska: %s, red %d: %s; zadatak nije resen.\n"), source.fileName, line,
                     refusal.c_str());
  }

  void say(const std::string& text) const {
    std::fflush(source.output);  // the prompts so far reach the screen first
    std::fputs(text.c_str(), source.errors);
    std::fflush(source.errors);
  }

  // The prompt of coordinate index, after its triangle's heading the first time.
  void prompt(int index, bool again) const {
    if (source.fileName != nullptr) return;
    if (index % 9 == 0 && !again) std::fputs(_(kHeadings[index / 9]), source.output);
    std::fputs(kCoordinateNames[index], source.output);
    std::fputs(" = ", source.output);
    std::fflush(source.output);
  }

  // The end of the input before the eighteenth number.
  void endedAt(int index) const {
    const char* name = kCoordinateNames[index];
    if (source.terminal) {
      say(formatted(_("\nUnos je prekinut kod koordinate %s; zadatak nije resen.\n"), name));
    } else if (source.fileName != nullptr) {
      say(formatted(_("Greska: %s, red %d: datoteka je zavrsena kod koordinate %s; zadatak nije "
                      "resen.\n"),
                    source.fileName, words.line, name));
    } else {
      say(formatted(_("Greska: ulaz je zavrsen kod koordinate %s; zadatak nije resen.\n"), name));
    }
  }

  // Reads coordinate index until a word is accepted (at a terminal) or one is
  // refused (elsewhere). False when the task cannot be completed.
  bool read(int index, TypedNumber& number) {
    for (bool again = false;; again = true) {
      prompt(index, again);
      std::string word;
      int line = 0;
      if (!words.next(word, line)) {
        endedAt(index);
        return false;
      }
      const WordReading reading = readNumberWord(word);
      if (reading.refusal == Refusal::None) {
        number = reading.number;
        return true;
      }
      const std::string refusal = refusalText(kCoordinateNames[index], reading);
      if (!source.terminal) {
        say(complaint(line, refusal));
        return false;
      }
      const std::string dropped = words.restOfLine();
      say(std::string(words.position > 1 ? "\n" : "") +
          (dropped.empty()
               ? formatted(_("Greska: %s. Unesite ponovo.\n"), refusal.c_str())
               : formatted(_("Greska: %s; ostatak reda (\"%s\") je odbacen. Unesite ponovo.\n"),
                           refusal.c_str(), asShown(dropped).c_str())));
    }
  }

  // Words after the eighteenth: the rest of the line at a terminal (more
  // would mean waiting for it), else the rest of the input.
  void noteIgnored() {
    const bool fileLeft = words.file != nullptr && words.taken < words.file->words.size();
    const int line = fileLeft ? words.file->words[words.taken].line : words.line;
    const bool onNewLine = source.terminal && words.position > 1;
    const std::string ignored = source.terminal ? words.restOfLine() : words.rest();
    if (ignored.empty()) return;
    const std::string shown = asShown(ignored);
    say(std::string(onNewLine ? "\n" : "") +
        (source.fileName == nullptr
             ? formatted(_("Napomena: ono sto je uneto posle osamnaestog broja je zanemareno "
                           "(\"%s\").\n"),
                         shown.c_str())
             : formatted(_("Napomena: %s, red %d: ono sto je uneto posle osamnaestog broja je "
                           "zanemareno (\"%s\").\n"),
                         source.fileName, line, shown.c_str())));
  }
};

// A task file's triangles as read, the numbers as typed.
void showTriangles(const Task& task, std::FILE* output) {
  const auto word = [&](int k) { return task.words[static_cast<std::size_t>(k)].c_str(); };
  std::fputs(formatted(_("Prvi trougao: a1 (%s, %s, %s), b1 (%s, %s, %s), c1 (%s, %s, %s)\n"),
                       word(0), word(1), word(2), word(3), word(4), word(5), word(6), word(7),
                       word(8))
                 .c_str(),
             output);
  std::fputs(formatted(_("Drugi trougao: a2 (%s, %s, %s), b2 (%s, %s, %s), c2 (%s, %s, %s)\n"),
                       word(9), word(10), word(11), word(12), word(13), word(14), word(15),
                       word(16), word(17))
                 .c_str(),
             output);
}

// Why a file cannot be read, in the user's language where the reason is a common one.
std::string notOpened(const char* fileName, int error) {
  switch (error) {
    case ENOENT:
      return formatted(_("Greska: datoteka \"%s\" ne moze da se otvori: ne postoji.\n"), fileName);
    case EACCES:
      return formatted(
          _("Greska: datoteka \"%s\" ne moze da se otvori: nema dozvole za citanje.\n"), fileName);
    case EISDIR:
      return formatted(
          _("Greska: datoteka \"%s\" ne moze da se otvori: to je fascikla, a ne datoteka.\n"),
          fileName);
    default:
      return formatted(_("Greska: datoteka \"%s\" ne moze da se otvori: %s.\n"), fileName,
                       std::strerror(error));
  }
}

// A task file's words, or a complaint on errors when it is too large or not
// UTF-8 text. A byte order mark at its start is skipped, CRLF is a line end.
bool splitTaskFile(const TaskSource& source, TaskText& text) {
  std::string bytes(kLargestTaskFile + 1, '\0');
  bytes.resize(std::fread(&bytes[0], 1, bytes.size(), source.input));
  if (bytes.size() > kLargestTaskFile) {
    std::fputs(formatted(_("Greska: datoteka \"%s\" je prevelika za zadatak (vise od %zu "
                           "bajtova); zadatak nije resen.\n"),
                         source.fileName, kLargestTaskFile)
                   .c_str(),
               source.errors);
    return false;
  }
  bytes = withoutByteOrderMark(bytes);
  if (const int line = notUtf8Line(bytes)) {
    std::fputs(formatted(_("Greska: %s, red %d: datoteka nije zapisana kao tekst UTF-8; "
                           "sacuvajte je ponovo kao UTF-8 (ili ASCII); zadatak nije resen.\n"),
                         source.fileName, line)
                   .c_str(),
               source.errors);
    return false;
  }
  text = splitTask(bytes);
  return true;
}

}  // namespace

bool readTask(const TaskSource& source, Task& task) {
  task = Task{};
  TaskText file;
  if (source.fileName != nullptr && !splitTaskFile(source, file)) return false;
  Dialogue dialogue{source, WordReader{source.input, source.fileName ? &file : nullptr}};
  for (int index = 0; index < 18; ++index) {
    TypedNumber number;
    if (!dialogue.read(index, number)) return false;
    putNumber(task, index, number);
  }
  dialogue.noteIgnored();
  if (source.fileName != nullptr) showTriangles(task, source.output);
  return true;
}

int readTaskOfProgram(const char* fileName, Task& task) {
  if (fileName == nullptr) {
    const TaskSource console{stdin, stdout, stderr, isatty(STDIN_FILENO) == 1, nullptr};
    return readTask(console, task) ? 0 : 2;
  }
  std::FILE* file = std::fopen(fileName, "r");
  struct stat status {};
  int error = errno;
  if (file != nullptr && fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
    std::fclose(file);
    file = nullptr;
    error = EISDIR;
  }
  if (file == nullptr) {
    std::fputs(notOpened(fileName, error).c_str(), stderr);
    return 2;
  }
  const TaskSource source{file, stdout, stderr, false, fileName};
  const bool read = readTask(source, task);
  std::fclose(file);
  return read ? 0 : 2;
}
