// Runs a render in a child process of its own, on request, from a process that has no threads.
//
// A process that serves HTTP has threads, and one of them may hold a lock (the allocator's, under
// the sanitizers) at the moment it forks: the child would wait for that lock for good. So the
// launcher is forked once, before any thread starts, and forks every render from there.
#pragma once

#include <sys/types.h>

#include <functional>

namespace panel {

class RenderLauncher {
 public:
  // Forks the launcher. `render` runs in a child of the launcher for each request, and its
  // return value is that child's exit code.
  explicit RenderLauncher(std::function<int()> render);
  // Tells the launcher to end and waits for it.
  ~RenderLauncher();
  RenderLauncher(const RenderLauncher&) = delete;
  RenderLauncher& operator=(const RenderLauncher&) = delete;

  // Runs one render and returns its wait status (as waitpid gives it), or -1 when the launcher
  // could not be started or has gone.
  int run();

 private:
  pid_t launcher_ = -1;
  int request_ = -1;  // written by us, one byte a render
  int reply_ = -1;    // the wait status of each render
};

}  // namespace panel
