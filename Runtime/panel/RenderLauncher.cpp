#include "panel/RenderLauncher.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>

namespace panel {

namespace {

bool readAll(int fd, void* data, size_t size) {
  auto* at = static_cast<char*>(data);
  while (size > 0) {
    const ssize_t got = read(fd, at, size);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    at += got, size -= static_cast<size_t>(got);
  }
  return true;
}

bool writeAll(int fd, const void* data, size_t size) {
  const auto* at = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t put = write(fd, at, size);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    at += put, size -= static_cast<size_t>(put);
  }
  return true;
}

int waitFor(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return status;
}

// The launcher's life: a render per request byte, until the serving process closes the pipe.
[[noreturn]] void serveRequests(int requests, int replies, const std::function<int()>& render) {
  // Ctrl-C reaches the whole process group; the launcher ends when the server does, not before.
  std::signal(SIGINT, SIG_IGN);
  std::signal(SIGTERM, SIG_IGN);
  char request = 0;
  while (readAll(requests, &request, 1)) {
    const pid_t child = fork();
    if (child == 0) {
      std::signal(SIGINT, SIG_DFL);
      std::signal(SIGTERM, SIG_DFL);
      close(requests);
      close(replies);
      _exit(render());
    }
    const int status = child < 0 ? -1 : waitFor(child);
    if (!writeAll(replies, &status, sizeof status)) break;
  }
  // No exit handlers: they belong to the serving process, whose state we share.
  _exit(0);
}

}  // namespace

RenderLauncher::RenderLauncher(std::function<int()> render) {
  int requests[2], replies[2];
  if (pipe(requests) != 0) return;
  if (pipe(replies) != 0) {
    close(requests[0]);
    close(requests[1]);
    return;
  }
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  launcher_ = fork();
  if (launcher_ == 0) {
    close(requests[1]);
    close(replies[0]);
    serveRequests(requests[0], replies[1], render);
  }
  close(requests[0]);
  close(replies[1]);
  if (launcher_ < 0) {
    close(requests[1]);
    close(replies[0]);
    return;
  }
  request_ = requests[1];
  reply_ = replies[0];
}

RenderLauncher::~RenderLauncher() {
  if (request_ >= 0) close(request_);
  if (reply_ >= 0) close(reply_);
  if (launcher_ > 0) waitFor(launcher_);
}

int RenderLauncher::run() {
  if (request_ < 0) return -1;
  const char request = 1;
  int status = -1;
  if (!writeAll(request_, &request, 1) || !readAll(reply_, &status, sizeof status)) return -1;
  return status;
}

}  // namespace panel
