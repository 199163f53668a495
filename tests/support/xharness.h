// A small harness for tests that need a display: a private X server, child
// programs with piped input and output, screenshots of a window, and a
// watchdog that ends a stuck test before CTest has to.
//
// Every child is started so that it dies with the test process (the kernel
// sends it SIGTERM), so a test that crashes or times out leaves no X server
// or program behind.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace xharness {

// Ends the process with status 124 and a message after the given time. Call
// once at the start of a test; children go down with it.
void startWatchdog(unsigned seconds);

// An Xvfb of its own, 1280 x 1024 x 24, on a free display number that the
// server chooses itself, so tests can run side by side. The constructor sets
// DISPLAY for this process and its children; the destructor stops the server
// and waits for it, which lets it remove its socket and lock file.
class PrivateXServer {
 public:
  PrivateXServer();
  ~PrivateXServer();
  PrivateXServer(const PrivateXServer&) = delete;
  PrivateXServer& operator=(const PrivateXServer&) = delete;

  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// How a finished child ended.
struct Exit {
  bool exited = false;  // by exit(); otherwise by a signal
  int code = -1;        // exit status or signal number
  std::string output;   // everything it wrote to standard output
  std::string errors;   // everything it wrote to standard error
};

// A program running beside the test, with its standard input fed from a
// string (closed right after it, so "" is input that ends at once) and its
// standard output and error collected. `environment` adds or replaces
// variables ("NAME=value") for this child only.
class Child {
 public:
  explicit Child(const std::vector<std::string>& argv, const std::string& input = "",
                 const std::vector<std::string>& environment = {});
  ~Child();  // stops a child that is still running (SIGTERM, then SIGKILL)
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t pid() const { return pid_; }
  bool running();

  // Collects what has been written so far, waiting at most the given time for
  // the standard output to hold `text`; returns whether it does.
  bool waitForOutput(const std::string& text, std::chrono::milliseconds limit);
  const std::string& output() const { return output_; }
  const std::string& errors() const { return errors_; }

  // Waits for the child to end on its own, stopping it after the limit.
  Exit wait(std::chrono::milliseconds limit);

 private:
  void collect(std::chrono::milliseconds limit);

  pid_t pid_ = -1;
  int outputFd_ = -1;
  int errorsFd_ = -1;
  bool finished_ = false;
  int status_ = 0;
  std::string output_;
  std::string errors_;
};

// Runs a helper such as xdotool to its end and returns its exit; a helper
// still running after the limit is stopped and reported as ended by signal.
Exit run(const std::vector<std::string>& argv,
         std::chrono::milliseconds limit = std::chrono::seconds(20));

// The id of the window with this exact title, waiting for it to appear.
// Returns 0 if it has not appeared within the limit.
unsigned long findWindow(const std::string& title, std::chrono::milliseconds limit);

// Asks the window to close as a window manager would (WM_DELETE_WINDOW).
void closeWindow(unsigned long window);

struct Color {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  bool operator==(const Color& other) const {
    return red == other.red && green == other.green && blue == other.blue;
  }
};

inline std::ostream& operator<<(std::ostream& out, Color c) {
  return out << "(" << int{c.red} << ", " << int{c.green} << ", " << int{c.blue} << ")";
}

// A screenshot: rows from the top, pixels from the left.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;

  Color at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  // Pixels of exactly this colour in the whole picture.
  long count(Color color) const;
  // Whether this colour lies within `radius` pixels of (x, y) (clipped to the
  // picture).
  bool hasNear(Color color, int x, int y, int radius) const;
  bool operator==(const Image& other) const {
    return width == other.width && height == other.height && pixels == other.pixels;
  }
};

// The window's contents as ImageMagick's import sees them; an empty image if
// that fails.
Image screenshot(unsigned long window);

// A picture file (PNG or any other that ImageMagick reads); an empty image
// if that fails.
Image pictureFile(const std::string& path);

}  // namespace xharness
