#include "xharness.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace xharness {

namespace {

using Clock = std::chrono::steady_clock;

void onWatchdog(int) {
  static const char message[] = "\ninner timeout of the test reached: stopping it\n";
  (void)!write(STDERR_FILENO, message, sizeof message - 1);
  _exit(124);
}

// The file that execve should run for this name, searched along PATH in the
// parent because nothing but async-signal-safe calls may run after fork().
std::string resolve(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "/usr/bin:/bin");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return name;
}

struct Pipe {
  int read = -1;
  int write = -1;
  Pipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
    read = fds[0];
    write = fds[1];
  }
};

// Puts `from` at descriptor `to` without close-on-exec.
void placeAt(int from, int to) {
  if (from == to) {
    fcntl(to, F_SETFD, 0);
  } else {
    dup2(from, to);
  }
}

// This process's environment with the given "NAME=value" entries put in.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string variable = *entry;
    const std::string name = variable.substr(0, variable.find('=') + 1);
    bool replaced = false;
    for (const std::string& change : changes) replaced = replaced || change.rfind(name, 0) == 0;
    if (!replaced) result.push_back(variable);
  }
  result.insert(result.end(), changes.begin(), changes.end());
  return result;
}

std::vector<char*> pointersTo(const std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (const std::string& text : strings) pointers.push_back(const_cast<char*>(text.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// Starts argv with the given descriptors as its 0, 1, 2 and, if extraFd is
// not -1, extraFd as descriptor 3. The child gets SIGTERM when the test dies.
pid_t spawn(const std::vector<std::string>& argv, int in, int out, int err, int extraFd = -1,
            const std::vector<std::string>& environment = {}) {
  const std::string file = resolve(argv.at(0));
  std::vector<char*> args = pointersTo(argv);
  const std::vector<std::string> variables = environmentWith(environment);
  std::vector<char*> envp = pointersTo(variables);
  const pid_t parent = getpid();

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
    signal(SIGPIPE, SIG_DFL);
    signal(SIGALRM, SIG_DFL);
    if (extraFd != -1) {
      // Keep descriptor 3 free of the standard three before placing it.
      const int held = fcntl(extraFd, F_DUPFD_CLOEXEC, 10);
      placeAt(in, 0);
      placeAt(out, 1);
      placeAt(err, 2);
      placeAt(held, 3);
    } else {
      placeAt(in, 0);
      placeAt(out, 1);
      placeAt(err, 2);
    }
    execve(file.c_str(), args.data(), envp.data());
    _exit(127);
  }
  return pid;
}

int openNull(int flags) {
  const int fd = open("/dev/null", flags | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open /dev/null");
  return fd;
}

// Waits up to the limit for pid to end and returns whether it has; status
// receives its wait status.
bool awaitEnd(pid_t pid, std::chrono::milliseconds limit, int& status) {
  const auto deadline = Clock::now() + limit;
  while (true) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

// Waits for pid to end; after the limit, stops it: SIGTERM first, which lets
// ImageMagick remove its temporary file, SIGKILL if that is not enough.
// Returns the wait status.
int reap(pid_t pid, std::chrono::milliseconds limit) {
  int status = 0;
  if (awaitEnd(pid, limit, status)) return status;
  kill(pid, SIGTERM);
  if (awaitEnd(pid, std::chrono::seconds(3), status)) return status;
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  return status;
}

}  // namespace

void startWatchdog(unsigned seconds) {
  signal(SIGALRM, onWatchdog);
  alarm(seconds);
}

PrivateXServer::PrivateXServer() {
  Pipe channel;
  const int null = openNull(O_RDWR);
  pid_ = spawn(
      {"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"},
      null, null, null, channel.write);
  close(null);
  close(channel.write);

  // The server writes its display number once it accepts connections.
  std::string number;
  const auto deadline = Clock::now() + std::chrono::seconds(15);
  while (number.find('\n') == std::string::npos && Clock::now() < deadline) {
    pollfd wait{channel.read, POLLIN, 0};
    if (poll(&wait, 1, 100) <= 0) continue;
    char buffer[32];
    const ssize_t got = read(channel.read, buffer, sizeof buffer);
    if (got <= 0) break;
    number.append(buffer, static_cast<std::size_t>(got));
  }
  close(channel.read);
  if (number.find('\n') == std::string::npos) {
    kill(pid_, SIGTERM);
    reap(pid_, std::chrono::seconds(5));
    throw std::runtime_error("Xvfb did not start");
  }
  display_ = ":" + number.substr(0, number.find('\n'));
  setenv("DISPLAY", display_.c_str(), 1);
}

PrivateXServer::~PrivateXServer() {
  kill(pid_, SIGTERM);
  reap(pid_, std::chrono::seconds(10));
}

Child::Child(const std::vector<std::string>& argv, const std::string& input,
             const std::vector<std::string>& environment) {
  signal(SIGPIPE, SIG_IGN);  // a child that stops reading must not kill the test
  Pipe in, out, err;
  pid_ = spawn(argv, in.read, out.write, err.write, -1, environment);
  close(in.read);
  close(out.write);
  close(err.write);
  outputFd_ = out.read;
  errorsFd_ = err.read;
  // Small inputs fit the pipe's buffer, so this never waits for the child.
  std::size_t written = 0;
  while (written < input.size()) {
    const ssize_t n = write(in.write, input.data() + written, input.size() - written);
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  close(in.write);
  fcntl(outputFd_, F_SETFL, O_NONBLOCK);
  fcntl(errorsFd_, F_SETFL, O_NONBLOCK);
}

Child::~Child() {
  if (!finished_) status_ = reap(pid_, std::chrono::milliseconds(0));
  if (outputFd_ >= 0) close(outputFd_);
  if (errorsFd_ >= 0) close(errorsFd_);
}

bool Child::running() {
  if (finished_) return false;
  if (waitpid(pid_, &status_, WNOHANG) == pid_) finished_ = true;
  return !finished_;
}

void Child::collect(std::chrono::milliseconds limit) {
  pollfd streams[2] = {{outputFd_, POLLIN, 0}, {errorsFd_, POLLIN, 0}};
  if (outputFd_ < 0 && errorsFd_ < 0) {
    std::this_thread::sleep_for(limit);
    return;
  }
  if (poll(streams, 2, static_cast<int>(limit.count())) <= 0) return;
  int* fds[2] = {&outputFd_, &errorsFd_};
  std::string* texts[2] = {&output_, &errors_};
  for (int i = 0; i < 2; ++i) {
    if (*fds[i] < 0 || streams[i].revents == 0) continue;
    char buffer[65536];
    while (true) {
      const ssize_t got = read(*fds[i], buffer, sizeof buffer);
      if (got > 0) {
        texts[i]->append(buffer, static_cast<std::size_t>(got));
        continue;
      }
      if (got == 0) {  // the child closed it
        close(*fds[i]);
        *fds[i] = -1;
      }
      break;
    }
  }
}

bool Child::waitForOutput(const std::string& text, std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  while (output_.find(text) == std::string::npos && Clock::now() < deadline) {
    collect(std::chrono::milliseconds(20));
  }
  return output_.find(text) != std::string::npos;
}

Exit Child::wait(std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  while ((outputFd_ >= 0 || errorsFd_ >= 0 || running()) && Clock::now() < deadline) {
    collect(std::chrono::milliseconds(20));
  }
  if (!finished_) {
    status_ = reap(pid_, std::chrono::milliseconds(0));
    finished_ = true;
  }
  collect(std::chrono::milliseconds(0));
  Exit exit;
  exit.exited = WIFEXITED(status_);
  exit.code = exit.exited ? WEXITSTATUS(status_) : WTERMSIG(status_);
  exit.output = output_;
  exit.errors = errors_;
  return exit;
}

Exit run(const std::vector<std::string>& argv, std::chrono::milliseconds limit) {
  Child child(argv);
  return child.wait(limit);
}

unsigned long findWindow(const std::string& title, std::chrono::milliseconds limit) {
  const Exit found = run({"xdotool", "search", "--sync", "--name", "^" + title + "$"}, limit);
  if (!found.exited || found.code != 0) return 0;
  return std::strtoul(found.output.c_str(), nullptr, 10);
}

void closeWindow(unsigned long window) {
  ::Display* connection = XOpenDisplay(nullptr);
  if (connection == nullptr) return;
  XEvent event;
  std::memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(connection, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(connection, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(connection, window, False, NoEventMask, &event);
  XFlush(connection);
  XCloseDisplay(connection);
}

long Image::count(Color color) const {
  long found = 0;
  for (const Color& pixel : pixels) found += pixel == color ? 1 : 0;
  return found;
}

bool Image::hasNear(Color color, int x, int y, int radius) const {
  for (int row = y - radius; row <= y + radius; ++row) {
    for (int column = x - radius; column <= x + radius; ++column) {
      if (row < 0 || row >= height || column < 0 || column >= width) continue;
      if (at(column, row) == color) return true;
    }
  }
  return false;
}

namespace {

// Next number of a PPM header, skipping blanks and comments.
bool headerNumber(const std::string& data, std::size_t& at, int& value) {
  while (at < data.size()) {
    if (data[at] == '#') {
      while (at < data.size() && data[at] != '\n') ++at;
    } else if (std::isspace(static_cast<unsigned char>(data[at]))) {
      ++at;
    } else {
      break;
    }
  }
  const std::size_t start = at;
  while (at < data.size() && std::isdigit(static_cast<unsigned char>(data[at]))) ++at;
  if (at == start) return false;
  value = std::atoi(data.substr(start, at - start).c_str());
  return true;
}

// The picture that an ImageMagick command wrote to its standard output as
// an 8-bit PPM.
Image fromPpm(const Exit& taken) {
  Image image;
  const std::string& data = taken.output;
  if (!taken.exited || taken.code != 0 || data.compare(0, 2, "P6") != 0) return image;
  std::size_t at = 2;
  int width = 0, height = 0, maximum = 0;
  if (!headerNumber(data, at, width) || !headerNumber(data, at, height) ||
      !headerNumber(data, at, maximum) || maximum != 255) {
    return image;
  }
  ++at;  // the one blank after the header
  const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (data.size() < at + 3 * size) return image;
  image.width = width;
  image.height = height;
  image.pixels.resize(size);
  for (std::size_t i = 0; i < size; ++i) {
    image.pixels[i] = {static_cast<std::uint8_t>(data[at + 3 * i]),
                       static_cast<std::uint8_t>(data[at + 3 * i + 1]),
                       static_cast<std::uint8_t>(data[at + 3 * i + 2])};
  }
  return image;
}

}  // namespace

Image screenshot(unsigned long window) {
  return fromPpm(run({"import", "-window", std::to_string(window), "-depth", "8", "ppm:-"}));
}

Image pictureFile(const std::string& path) {
  return fromPpm(run({"convert", path, "-depth", "8", "ppm:-"}));
}

}  // namespace xharness
