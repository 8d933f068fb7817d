// The HTTP side of zelmo-panel serve: on 127.0.0.1 only, the latest page at "/", its picture at
// "/picture.png", a server-sent event on "/events" each time a new page is published, and the
// files of the screen's folder under "/files/" (nothing outside it).
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

namespace panel {

class PreviewServer {
 public:
  explicit PreviewServer(std::filesystem::path folder);
  ~PreviewServer();
  PreviewServer(const PreviewServer&) = delete;
  PreviewServer& operator=(const PreviewServer&) = delete;

  // Listens on 127.0.0.1:port (0: any free port) and serves from a thread of its own; returns the
  // port, or -1 when it cannot be listened on.
  int start(int port);
  // Wakes every event stream, stops listening and waits for the serving threads.
  void stop();

  // Makes `page` and `picture` (PNG bytes, may be empty) current and tells every event stream.
  // `eventData` is the one-line text of the event.
  void publish(std::string page, std::string picture, std::string eventData);
  // How many pages were published so far; the first is 1.
  uint64_t version() const;

 private:
  void route();

  std::filesystem::path folder_;  // canonical
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  std::atomic<bool> listenEnded_ = false;
  mutable std::mutex mutex_;
  std::condition_variable published_;
  std::string page_ = "<!DOCTYPE html><title>zelmo-panel serve</title><p>Rendering...</p>";
  std::string picture_;
  std::string eventData_;
  uint64_t version_ = 0;
  bool stopping_ = false;
};

// The file of `folder` that `relative` (a request's path after "/files/", decoded) names, or
// empty when it names something outside the folder, through ".." or a link.
std::filesystem::path fileInside(const std::filesystem::path& folder, const std::string& relative);

}  // namespace panel
