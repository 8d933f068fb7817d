// zelmo-panel serve end to end, as a process: what it watches, and how it stops. The browser test
// drives the page itself.
#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "panel/PanelProcess.h"

extern char** environ;

namespace zelmo::test {
namespace {

using namespace std::chrono_literals;

// A 60x40 screen that draws `image` (a path relative to the screen) at 0,0.
std::string imageScreen(const std::string& image) {
  return R"({"width": 60, "height": 40, "objects": [
    {"id": "ink", "class": "uxclasses/graphics/CuxCanvas", "fields": {"layer": 0}},
    {"id": "status", "int[]": [0]},
    {"id": "picture", "class": "uxclasses/graphics/CuxGraphicFile"}],
  "calls": [
    {"class": "uxclasses/graphics/CuxGraphicFile", "call": "loadImage(Ljava/lang/String;[I)I",
     "args": [")" +
         image + R"(", {"ref": "status"}], "result": "picture.imageHandle"},
    {"on": "ink", "call": "drawImage(Luxclasses/graphics/CuxGraphicFile;II)V",
     "args": [{"ref": "picture"}, 0, 0]}]})";
}

// zelmo-panel serve running in the background, its standard output in a file.
class ServeProcess {
 public:
  // Its temporary files go to `temporary` when given.
  explicit ServeProcess(const fs::path& screen, const std::vector<std::string>& extra = {},
                        const fs::path& temporary = {}) {
    out_ = configTestDir() / "serve.out";
    std::string command = temporary.empty() ? "" : "TMPDIR=" + quoted(temporary.string()) + " ";
    command += "exec " + panelCommand() + " serve " + quoted(screen.string()) + " --port 0";
    for (const std::string& arg : extra) command += " " + quoted(arg);
    command += " >" + quoted(out_.string()) + " 2>&1";
    const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
    if (posix_spawn(&pid_, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
      pid_ = -1;
  }
  ~ServeProcess() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  // The port, once it says it serves (0 when it never does).
  int port() {
    for (auto waited = 0ms; waited < 60s; waited += 50ms) {
      const std::string text = fileText(out_);
      const std::string marker = "http://127.0.0.1:";
      if (const size_t at = text.find(marker); at != std::string::npos)
        return std::stoi(text.substr(at + marker.size()));
      std::this_thread::sleep_for(50ms);
    }
    return 0;
  }

  // Waits until the preview published version `version`; false when it did not within a minute.
  bool reaches(httplib::Client& client, uint64_t version) {
    for (auto waited = 0ms; waited < 60s; waited += 50ms) {
      if (auto page = client.Get("/");
          page &&
          page->body.find("const version = " + std::to_string(version) + ";") != std::string::npos)
        return true;
      std::this_thread::sleep_for(50ms);
    }
    return false;
  }

  // Sends `signal` and returns the exit code (-1 when it did not exit normally).
  int stop(int signal = SIGINT) {
    kill(pid_, signal);
    int status = 0;
    waitpid(pid_, &status, 0);
    exited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string output() const { return fileText(out_); }

 private:
  pid_t pid_ = -1;
  bool exited_ = false;
  fs::path out_;
};

// A save brings a new render and picture, whether it is the screen, a picture it draws, or a
// picture it asked for that was missing and now appears.
TEST(PanelServe, RendersAgainWhenTheScreenOrAPictureItReadsIsSaved) {
  const fs::path dir = configTestDir();
  const fs::path images = fs::path(ZELMO_SOURCE_DIR) / "examples/screens/images";
  fs::copy_file(images / "logo.png", dir / "logo.png");
  writeFileText(dir / "screen.json", imageScreen("logo.png"));
  ServeProcess serve(dir / "screen.json");
  const int port = serve.port();
  ASSERT_GT(port, 0) << serve.output();
  httplib::Client client("127.0.0.1", port);
  ASSERT_TRUE(serve.reaches(client, 1));
  const std::string first = client.Get("/picture.png")->body;

  fs::copy_file(fs::path(ZELMO_SOURCE_DIR) / "examples/reference/gauges.png", dir / "logo.png",
                fs::copy_options::overwrite_existing);
  ASSERT_TRUE(serve.reaches(client, 2)) << serve.output();
  const std::string second = client.Get("/picture.png")->body;
  EXPECT_NE(second, first);

  writeFileText(dir / "screen.json", imageScreen("later.png"));
  ASSERT_TRUE(serve.reaches(client, 3)) << serve.output();
  fs::copy_file(images / "logo.png", dir / "later.png");
  ASSERT_TRUE(serve.reaches(client, 4)) << serve.output();
  EXPECT_EQ(client.Get("/picture.png")->body, first);

  // A screen that cannot be read at all is shown as its error, and comes back.
  writeFileText(dir / "screen.json", "{\"width\": 60,");
  ASSERT_TRUE(serve.reaches(client, 5)) << serve.output();
  EXPECT_EQ(client.Get("/picture.png")->status, 404);
  EXPECT_NE(client.Get("/")->body.find("class=\"error\""), std::string::npos);
  writeFileText(dir / "screen.json", imageScreen("logo.png"));
  ASSERT_TRUE(serve.reaches(client, 6)) << serve.output();

  EXPECT_EQ(serve.stop(SIGINT), 0);
  EXPECT_NE(serve.output().find("zelmo-panel: stopped"), std::string::npos);
}

// A configuration store that the screen writes is watched without the render's own write
// bringing another render, and a stop leaves no temporary files behind.
TEST(PanelServe, StopsCleanlyAndDoesNotChaseItsOwnWrites) {
  const fs::path dir = configTestDir();
  writeFileText(dir / "screen.json", R"({"width": 20, "height": 10,
    "objects": [{"id": "manager", "class": "uxclasses/baseclasses/CuxLanguageMgr"}],
    "calls": [{"on": "manager", "call": "setUserApplicationLanguageName(ILjava/lang/String;)Z",
               "args": [0, "English"]}]})");
  const std::string config = (dir / "store.ini").string();
  {
    const fs::path temporary = dir / "tmp";
    fs::create_directories(temporary);
    ServeProcess serve(dir / "screen.json", {"--config", config}, temporary);
    const int port = serve.port();
    ASSERT_GT(port, 0) << serve.output();
    httplib::Client client("127.0.0.1", port);
    ASSERT_TRUE(serve.reaches(client, 1)) << serve.output();
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(client.Get("/")->body.find("const version = 2;"), std::string::npos);
    writeFileText(config, "[other]\nkey=1\n");
    ASSERT_TRUE(serve.reaches(client, 2)) << serve.output();
    EXPECT_FALSE(fs::is_empty(temporary));
    EXPECT_EQ(serve.stop(SIGTERM), 0);
    EXPECT_TRUE(fs::is_empty(temporary));
  }
}

TEST(PanelServe, RefusesWhatItCannotServe) {
  const fs::path dir = configTestDir();
  EXPECT_EQ(runPanel({"serve"}).exitCode, 2);
  EXPECT_EQ(runPanel({"serve", (dir / "none.json").string()}).exitCode, 2);
  writeFileText(dir / "s.json", R"({"width": 4, "height": 4})");
  const PanelRun badPort = runPanel({"serve", (dir / "s.json").string(), "--port", "70000"});
  EXPECT_EQ(badPort.exitCode, 2);
  EXPECT_NE(badPort.err.find("--port needs a port number from 0 to 65535"), std::string::npos);

  ServeProcess first(dir / "s.json");
  const int port = first.port();
  ASSERT_GT(port, 0);
  const PanelRun taken =
      runPanel({"serve", (dir / "s.json").string(), "--port", std::to_string(port)});
  EXPECT_EQ(taken.exitCode, 4);
  EXPECT_NE(taken.err.find("cannot listen on 127.0.0.1:" + std::to_string(port)),
            std::string::npos);
}

}  // namespace
}  // namespace zelmo::test
