#include "panel/PreviewServer.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>

namespace panel {

namespace fs = std::filesystem;

namespace {

// An event stream idles this long before it sends a comment, which keeps proxies and the browser
// from taking it for dead.
constexpr auto kKeepAlive = std::chrono::seconds(15);

std::string contentTypeOf(const fs::path& file) {
  static const std::map<std::string, std::string> types = {
      {".png", "image/png"},  {".jpg", "image/jpeg"},        {".jpeg", "image/jpeg"},
      {".bmp", "image/bmp"},  {".json", "application/json"}, {".jsonl", "application/x-ndjson"},
      {".ini", "text/plain"}, {".txt", "text/plain"},        {".html", "text/html"},
  };
  const auto found = types.find(file.extension().string());
  return found == types.end() ? "application/octet-stream" : found->second;
}

// Sends `body` as it is. The library compresses text for a browser that accepts it, and its
// Brotli takes most of a second for a report of half a megabyte, which on 127.0.0.1 saves nothing;
// it leaves a body of known length from a provider alone.
void sendAsItIs(httplib::Response& response, std::string body, const std::string& type) {
  if (body.empty()) {
    response.set_content(body, type);
    return;
  }
  auto shared = std::make_shared<const std::string>(std::move(body));
  response.set_content_provider(
      shared->size(), type,
      [shared](size_t offset, size_t length, httplib::DataSink& sink) {
        return offset <= shared->size() && length <= shared->size() - offset &&
               sink.write(shared->data() + offset, length);
      });
}

bool readBytes(const fs::path& file, std::string& bytes) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

fs::path fileInside(const fs::path& folder, const std::string& relative) {
  if (relative.empty() || relative.find('\0') != std::string::npos) return {};
  const fs::path asked(relative);
  if (asked.is_absolute()) return {};
  std::error_code error;
  // Resolving links and ".." first means neither can lead out of the folder.
  const fs::path resolved = fs::weakly_canonical(folder / asked, error);
  if (error) return {};
  auto [folderEnd, resolvedAt] =
      std::mismatch(folder.begin(), folder.end(), resolved.begin(), resolved.end());
  if (folderEnd != folder.end() || resolvedAt == resolved.end()) return {};
  return resolved;
}

PreviewServer::PreviewServer(fs::path folder)
    : folder_(fs::weakly_canonical(folder)), server_(std::make_unique<httplib::Server>()) {
  // Stopping waits for every connection's thread, and an idle kept-alive connection only
  // notices after this long: it bounds how long Ctrl-C takes.
  server_->set_keep_alive_timeout(1);
  // The library's default also sets SO_REUSEPORT, which would let a second preview share the
  // port and take half the requests; a port in use must be refused.
  server_->set_socket_options([](socket_t socket) {
    const int yes = 1;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
  });
  route();
}

PreviewServer::~PreviewServer() { stop(); }

void PreviewServer::route() {
  const auto noStore = [](httplib::Response& response) {
    response.set_header("Cache-Control", "no-store");
  };
  server_->Get("/", [this, noStore](const httplib::Request&, httplib::Response& response) {
    std::lock_guard lock(mutex_);
    noStore(response);
    sendAsItIs(response, page_, "text/html; charset=utf-8");
  });
  server_->Get("/picture.png",
               [this, noStore](const httplib::Request&, httplib::Response& response) {
                 std::lock_guard lock(mutex_);
                 noStore(response);
                 if (picture_.empty()) {
                   response.status = 404;
                   response.set_content("no picture: the screen has errors\n", "text/plain");
                   return;
                 }
                 sendAsItIs(response, picture_, "image/png");
               });
  server_->Get("/events", [this, noStore](const httplib::Request&, httplib::Response& response) {
    noStore(response);
    // Each stream starts by sending the current version, so a page that loaded just before a
    // publish still hears of it.
    response.set_chunked_content_provider(
        "text/event-stream", [this, sent = uint64_t{0}](size_t, httplib::DataSink& sink) mutable {
          std::unique_lock lock(mutex_);
          published_.wait_for(lock, kKeepAlive, [&] { return stopping_ || version_ != sent; });
          if (stopping_) return false;
          std::string event = ": still here\n\n";
          if (version_ != sent) {
            sent = version_;
            event = "data: " + eventData_ + "\n\n";
          }
          lock.unlock();
          return sink.write(event.data(), event.size());
        });
  });
  server_->Get("/files/(.*)", [this](const httplib::Request& request, httplib::Response& response) {
    const fs::path file = fileInside(folder_, request.matches[1].str());
    std::string bytes;
    if (file.empty()) {
      response.status = 403;
      response.set_content("outside the screen's folder\n", "text/plain");
    } else if (!fs::is_regular_file(file) || !readBytes(file, bytes)) {
      response.status = 404;
      response.set_content("no such file in the screen's folder\n", "text/plain");
    } else {
      response.set_header("Cache-Control", "no-store");
      sendAsItIs(response, std::move(bytes), contentTypeOf(file));
    }
  });
}

int PreviewServer::start(int port) {
  const int bound = port == 0 ? server_->bind_to_any_port("127.0.0.1")
                              : (server_->bind_to_port("127.0.0.1", port) ? port : -1);
  if (bound < 0) return -1;
  thread_ = std::thread([this] {
    server_->listen_after_bind();
    listenEnded_ = true;
  });
  // A stop before the server runs would be lost and leave it listening for good.
  while (!server_->is_running() && !listenEnded_)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return bound;
}

void PreviewServer::stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  published_.notify_all();
  server_->stop();
  if (thread_.joinable()) thread_.join();
}

void PreviewServer::publish(std::string page, std::string picture, std::string eventData) {
  {
    std::lock_guard lock(mutex_);
    page_ = std::move(page);
    picture_ = std::move(picture);
    eventData_ = std::move(eventData);
    ++version_;
  }
  published_.notify_all();
}

uint64_t PreviewServer::version() const {
  std::lock_guard lock(mutex_);
  return version_;
}

}  // namespace panel
