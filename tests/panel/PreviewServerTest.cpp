// The live preview's server, pages and file stamps, in-process.
#include <httplib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <chrono>
#include <future>
#include <string>
#include <thread>

#include "panel/FileStamps.h"
#include "panel/PreviewPages.h"
#include "panel/PreviewServer.h"
#include "panel/RenderLauncher.h"
#include "support/ConfigFiles.h"

namespace zelmo::test {
namespace {

using panel::PreviewServer;

// Reads an event stream until `events` events ("data:" lines) came, or a few seconds passed.
std::string readEvents(httplib::Client& client, int events) {
  std::string text;
  client.set_read_timeout(5, 0);
  client.Get("/events", [&](const char* data, size_t length) {
    text.append(data, length);
    size_t count = 0;
    for (size_t at = text.find("data: "); at != std::string::npos; at = text.find("data: ", at + 1))
      ++count;
    return count < static_cast<size_t>(events);
  });
  return text;
}

TEST(PreviewServer, ServesTheLatestPageAndPictureAndAnnouncesEachPublish) {
  const fs::path dir = configTestDir();
  PreviewServer server(dir);
  const int port = server.start(0);
  ASSERT_GT(port, 0);
  httplib::Client client("127.0.0.1", port);

  auto picture = client.Get("/picture.png");
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->status, 404);  // nothing rendered yet

  server.publish("<p>one</p>", "PNG1", panel::eventData(1, true));
  auto page = client.Get("/");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->body, "<p>one</p>");
  EXPECT_EQ(page->get_header_value("Cache-Control"), "no-store");
  EXPECT_EQ(client.Get("/picture.png")->body, "PNG1");

  // A stream opened after a publish hears of it at once, then of the next one.
  auto stream = std::async(std::launch::async, [port] {
    httplib::Client listener("127.0.0.1", port);
    return readEvents(listener, 2);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  server.publish("<p>two</p>", "", panel::eventData(2, false));
  EXPECT_EQ(stream.get(),
            "data: {\"version\":1,\"ok\":true}\n\ndata: {\"version\":2,\"ok\":false}\n\n");
  EXPECT_EQ(server.version(), 2u);
  EXPECT_EQ(client.Get("/")->body, "<p>two</p>");
  EXPECT_EQ(client.Get("/picture.png")->status, 404);  // the screen has errors
}

TEST(PreviewServer, StopsPromptlyWithAStreamOpen) {
  PreviewServer server(configTestDir());
  const int port = server.start(0);
  ASSERT_GT(port, 0);
  server.publish("page", "", panel::eventData(1, true));
  auto stream = std::async(std::launch::async, [port] {
    httplib::Client listener("127.0.0.1", port);
    return readEvents(listener, 2);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const auto started = std::chrono::steady_clock::now();
  server.stop();
  EXPECT_EQ(stream.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  // Not a timing check: a stop that waited for the keep-alive (15 s) would hang the suite.
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
}

TEST(PreviewServer, ServesNothingOutsideTheScreensFolder) {
  const fs::path base = configTestDir();
  const fs::path folder = base / "screens";
  fs::create_directories(folder / "images");
  writeFileText(folder / "images" / "logo.png", "logo");
  writeFileText(base / "secret.txt", "secret");
  fs::create_symlink(base / "secret.txt", folder / "link.txt");
  PreviewServer server(folder);
  const int port = server.start(0);
  ASSERT_GT(port, 0);
  httplib::Client client("127.0.0.1", port);

  auto inside = client.Get("/files/images/logo.png");
  ASSERT_TRUE(inside);
  EXPECT_EQ(inside->status, 200);
  EXPECT_EQ(inside->body, "logo");
  EXPECT_EQ(inside->get_header_value("Content-Type"), "image/png");
  EXPECT_EQ(client.Get("/files/images/missing.png")->status, 404);
  EXPECT_EQ(client.Get("/files/images")->status, 404);  // a folder is no file
  for (const std::string& path :
       std::vector<std::string>{"/files/../secret.txt", "/files/images/../../secret.txt",
                                "/files/%2e%2e/secret.txt", "/files/%2E%2E%2Fsecret.txt",
                                "/files/link.txt", "/files/" + (base / "secret.txt").string()}) {
    auto refused = client.Get(path);
    ASSERT_TRUE(refused) << path;
    EXPECT_NE(refused->status, 200) << path;
    EXPECT_EQ(refused->body.find("secret\n"), std::string::npos) << path;
    EXPECT_NE(refused->body, "secret") << path;
  }
}

TEST(PreviewServer, RefusesAPortThatIsTaken) {
  PreviewServer first(configTestDir());
  const int port = first.start(0);
  ASSERT_GT(port, 0);
  PreviewServer second(configTestDir());
  EXPECT_EQ(second.start(port), -1);
}

TEST(PreviewPages, ErrorPageShowsEachErrorAtItsLineAndColumn) {
  const std::string screen = "{\n  \"wïdth\": 40, <b>\n}\n";
  const std::string page = panel::errorPage(
      "s.json", screen,
      "s.json:2:17: unknown key \"<b>\"\nzelmo-panel: stopped after 20 errors\ns.json:9:1: past "
      "the end\n",
      7);
  EXPECT_NE(page.find("<title>s.json: 3 errors</title>"), std::string::npos);
  EXPECT_NE(page.find("s.json:2:17: unknown key &quot;&lt;b&gt;&quot;"), std::string::npos);
  // The mark stands under column 17, counted in characters: "ï" is two bytes, one column.
  EXPECT_NE(page.find("<span class=\"number\">  | </span>                <span class=\"mark\">^"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("&lt;b&gt;\n"), std::string::npos);
  EXPECT_EQ(page.find("<b>"), std::string::npos);  // nothing of the file is taken as markup
  EXPECT_NE(page.find("stopped after 20 errors"), std::string::npos);
  EXPECT_EQ(page.find("data-line=\"9\""), std::string::npos);  // a line the file has not
  EXPECT_NE(page.find("const version = 7;"), std::string::npos);
}

// The place is the first FILE:LINE:COLUMN: of a message, whatever the message quotes after it,
// and a message of any length is placed without fault.
TEST(PreviewPages, ErrorPagePlacesLongAndOddMessages) {
  const std::string screen = "{\n\"a\": 1,\n\"b\": 2\n}\n";
  const std::string quoted = "C:/screens/s.json:3:2: unknown key \"x:2:1: y\"\n";
  const std::string page = panel::errorPage("s.json", screen, quoted, 1);
  EXPECT_NE(page.find("data-line=\"3\" data-column=\"2\""), std::string::npos);
  EXPECT_EQ(page.find("data-line=\"2\""), std::string::npos);

  const std::string huge(1 << 20, 'x');
  const std::string long_ = panel::errorPage(
      "s.json", screen, "s.json:2:1: unknown key \"" + huge + "\"\n" + huge + "\n", 1);
  EXPECT_NE(long_.find("<title>s.json: 2 errors</title>"), std::string::npos);
  EXPECT_NE(long_.find("data-line=\"2\" data-column=\"1\""), std::string::npos);
  EXPECT_EQ(panel::errorPage("s.json", screen, "s.json:1:4294967297: far\n", 1).find("data-line"),
            std::string::npos);  // no column that long
}

TEST(PreviewPages, LivePageMayReachItsServerAndReloads) {
  const std::string report =
      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; img-src "
      "data:\"><body><script>const d = \"<\\/body>\";</script></body>";
  const std::string page = panel::livePage(report, 3);
  EXPECT_NE(page.find("default-src 'none'; connect-src 'self'; img-src data:"), std::string::npos);
  const size_t script = page.find("const version = 3;");
  ASSERT_NE(script, std::string::npos);
  EXPECT_GT(script, page.find("<\\/body>"));  // after the report's own script
  EXPECT_LT(script, page.rfind("</body>"));
  EXPECT_NE(page.find("new EventSource(\"/events\")"), std::string::npos);
}

// Every render starts from the state the launcher was made with, and how it ended comes back.
TEST(RenderLauncher, RunsEachRenderInAChildOfItsOwn) {
  int renders = 0;
  bool crash = false;
  panel::RenderLauncher launcher([&] {
    if (crash) std::raise(SIGKILL);
    return 40 + ++renders;
  });
  for (int i = 0; i < 3; ++i) {
    const int status = launcher.run();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 41);
  }
  EXPECT_EQ(renders, 0);  // nothing ran in this process
  crash = true;           // too late: the launcher has its own copy
  EXPECT_TRUE(WIFEXITED(launcher.run()));
  panel::RenderLauncher crashing([] {
    std::raise(SIGKILL);
    return 0;
  });
  const int status = crashing.run();
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGKILL);
  EXPECT_TRUE(WIFSIGNALED(crashing.run()));  // the launcher itself serves on
}

TEST(FileStamps, SeeEveryKindOfSave) {
  const fs::path dir = configTestDir();
  const fs::path screen = dir / "screen.json", image = dir / "logo.png", missing = dir / "new.png";
  writeFileText(screen, "aaaa");
  writeFileText(image, "png");
  panel::FileStamps stamps;
  stamps.reset({screen, image, missing});
  EXPECT_TRUE(stamps.changed().empty());

  // Rewritten in place with the same size: only the time tells.
  writeFileText(screen, "bbbb");
  fs::last_write_time(screen, fs::last_write_time(screen) + std::chrono::seconds(1));
  EXPECT_EQ(stamps.changed(), std::vector<fs::path>{screen});
  stamps.restamp(screen);

  // Saved as a new file renamed over the old one, with the old time kept.
  const auto time = fs::last_write_time(image);
  writeFileText(dir / "tmp", "gif");
  fs::last_write_time(dir / "tmp", time);
  fs::rename(dir / "tmp", image);
  EXPECT_EQ(stamps.changed(), std::vector<fs::path>{image});
  stamps.restamp(image);

  writeFileText(missing, "x");  // a picture that was missing appears
  fs::remove(screen);
  EXPECT_EQ(stamps.changed(), (std::vector<fs::path>{missing, screen}));
}

}  // namespace
}  // namespace zelmo::test
