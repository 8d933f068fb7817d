// The configuration store's file handling and the osCG functions over it: missing and unreadable
// files, the lock, crash safety and concurrent writers.
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <random>
#include <vector>

#include "core/SystemLanguages.h"
#include "platform/CoreServices.h"
#include "support/ConfigFiles.h"

namespace zelmo::test {
namespace {

constexpr const UniChar* kSection = u"Language";

int32_t intOr(const UniChar* key, int32_t unset) {
  int32_t value = unset;
  osCGgetINT32(kSection, key, false, &value);
  return value;
}

// Runs `body` in a child process; its result is the child's exit code.
template <typename Body>
int inChild(Body body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ConfigStore, MissingFileReadsEmptyAndTheFirstWriteCreatesIt) {
  const ConfigFileScope store;
  EXPECT_EQ(intOr(u"k", -5), -5);
  EXPECT_FALSE(fs::exists(store.path));
  EXPECT_TRUE(osCGsetINT32(kSection, u"k", 12));
  EXPECT_EQ(store.text(), "[Language]\nk = 12\n");
  EXPECT_EQ(intOr(u"K", 0), 12);
  EXPECT_TRUE(fs::exists(store.path.string() + ".lock"));
  EXPECT_FALSE(fs::exists(store.path.string() + ".tmp"));
}

TEST(ConfigStore, UnreadableFileFailsEveryCallAndIsReportedOnce) {
  const ConfigFileScope store;
  fs::create_directory(store.path);  // exists, cannot be read as a file (we may be root)
  std::vector<std::string> reports;
  core::setConfigProblemReporter(
      [&](const std::string& path, const std::string&) { reports.push_back(path); });
  UniChar name[8] = u"kept";
  EXPECT_FALSE(osCGgetUNICHAR(kSection, u"k", false, 8, name));
  EXPECT_EQ(std::u16string(name), u"kept");
  EXPECT_EQ(intOr(u"k", 3), 3);
  EXPECT_FALSE(osCGsetINT32(kSection, u"k", 1));
  EXPECT_FALSE(osCGsetUNICHAR(kSection, u"k", u"x"));
  EXPECT_EQ(reports, std::vector<std::string>{store.path.string()});
}

TEST(ConfigStore, WithoutAFileEveryCallFails) {
  core::setConfigFile("");
  int32_t value = 4;
  EXPECT_FALSE(osCGsetINT32(kSection, u"k", 1));
  EXPECT_FALSE(osCGgetINT32(kSection, u"k", true, &value));
  EXPECT_EQ(value, 4);
}

TEST(ConfigStore, IntegersAreDecimalWithinThirtyTwoBits) {
  const ConfigFileScope store;
  const std::pair<const char*, int32_t> read[] = {
      {"42", 42}, {"+7", 7}, {"007", 7}, {"-2147483648", INT_MIN}, {"2147483647", INT_MAX}};
  for (const auto& [text, expected] : read) {
    store.write(std::string("[Language]\nk = ") + text + "\n");
    int32_t value = 99;
    EXPECT_TRUE(osCGgetINT32(kSection, u"k", false, &value)) << text;
    EXPECT_EQ(value, expected) << text;
  }
  for (const char* text :
       {"2147483648", "-2147483649", "1.5", "0x10", "+-1", "", "1_000", "12 apples"}) {
    store.write(std::string("[Language]\nk = ") + text + "\n");
    int32_t value = 99;
    EXPECT_FALSE(osCGgetINT32(kSection, u"k", false, &value)) << text;
    EXPECT_EQ(value, 99) << text;
  }
}

TEST(ConfigStore, TextIsCutToTheBufferWithoutSplittingASurrogatePair) {
  const ConfigFileScope store;
  store.write("[Language]\nk = ab\xF0\x9F\x98\x80z\n");  // "ab😀z"
  const struct {
    int32_t capacity;
    std::u16string expected;
  } cases[] = {{1, u""}, {3, u"ab"}, {4, u"ab"}, {5, u"ab\U0001F600"}, {40, u"ab\U0001F600z"}};
  for (const auto& c : cases) {
    UniChar buffer[41];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_TRUE(osCGgetUNICHAR(kSection, u"k", false, c.capacity, buffer));
    EXPECT_EQ(std::u16string(buffer), c.expected) << c.capacity;
    EXPECT_EQ(buffer[c.capacity], u'#') << "written past the capacity";
  }
}

TEST(ConfigStore, CreateStoresTheCallersValueForAnAbsentKey) {
  const ConfigFileScope store;
  int32_t value = 17;
  EXPECT_TRUE(osCGgetINT32(kSection, u"n", true, &value));
  UniChar text[8] = u"hello";
  EXPECT_TRUE(osCGgetUNICHAR(kSection, u"t", true, 8, text));
  EXPECT_EQ(store.text(), "[Language]\nn = 17\nt = hello\n");
  EXPECT_FALSE(osCGgetINT32(kSection, u"missing", false, &value));
  EXPECT_EQ(store.text(), "[Language]\nn = 17\nt = hello\n");
}

TEST(ConfigStore, RefusesWritesThatWouldForgeLines) {
  const ConfigFileScope store;
  store.write("[Language]\nk = old\n");
  EXPECT_FALSE(osCGsetUNICHAR(kSection, u"k", u"new\n[Other]\nx = 1"));
  EXPECT_FALSE(osCGsetUNICHAR(kSection, u"k = v\nk", u"x"));
  EXPECT_FALSE(osCGsetUNICHAR(u"A]\n[B", u"k", u"x"));
  EXPECT_EQ(store.text(), "[Language]\nk = old\n");
}

TEST(ConfigStore, AWriterWaitsForTheLockTwoSecondsAtMost) {
  const ConfigFileScope store;
  const int held = open((store.path.string() + ".lock").c_str(), O_RDWR | O_CREAT, 0666);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  EXPECT_FALSE(osCGsetINT32(kSection, u"k", 1));
  EXPECT_FALSE(fs::exists(store.path));
  close(held);
  EXPECT_TRUE(osCGsetINT32(kSection, u"k", 1));
}

TEST(ConfigStore, ReplacingKeepsPermissionsAndClearsAStaleTemporary) {
  const ConfigFileScope store;
  store.write("[Language]\nk = 1\n");
  chmod(store.path.c_str(), 0640);
  writeFileText(store.path.string() + ".tmp", "left by a writer that died");
  EXPECT_TRUE(osCGsetINT32(kSection, u"k", 2));
  EXPECT_EQ(store.text(), "[Language]\nk = 2\n");
  EXPECT_EQ(fs::status(store.path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_FALSE(fs::exists(store.path.string() + ".tmp"));
}

TEST(ConfigStore, AFailedWriteRemovesItsTemporaryAndKeepsTheFile) {
  const ConfigFileScope store;
  store.write("[Language]\nk = 1\n");
  // Files may not grow past 64 bytes in the child: writing the temporary fails.
  const int code = inChild([] {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    return osCGsetUNICHAR(kSection, u"k", std::u16string(200, u'x').c_str()) ? 1 : 0;
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(store.text(), "[Language]\nk = 1\n");
  EXPECT_FALSE(fs::exists(store.path.string() + ".tmp"));
}

// A writer killed at any moment leaves the file as it was before some write or after it: the
// value is one the writer set in full, and every other byte is as before.
TEST(ConfigStore, AWriterKilledAtRandomLeavesTheOldOrTheNewValue) {
  const ConfigFileScope store;
  std::string rest = "[Language]\nk = -1\n\n[Other]\n";
  for (int i = 0; i < 500; ++i)
    rest += "key" + std::to_string(i) + " = a value that makes the file longer\n";
  store.write(rest);
  const auto expectedText = [&](int32_t value) {
    return "[Language]\nk = " + std::to_string(value) + rest.substr(rest.find("\n\n[Other]"));
  };
  // The kill lands anywhere in the first few writes of the child, however long a write takes
  // on this machine (two fsyncs: from a millisecond to tens).
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(osCGsetINT32(kSection, u"k", 0));
  const auto writeMicros = std::chrono::duration_cast<std::chrono::microseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count();
  std::uniform_int_distribution<useconds_t> delay(0,
                                                  static_cast<useconds_t>(3 * writeMicros + 1000));
  std::mt19937 random(20240611);
  int32_t last = 0;
  int midWrite = 0;  // kills that left a temporary behind
  for (int round = 0; round < 200; ++round) {
    const pid_t pid = fork();
    if (pid == 0) {
      for (int32_t value = last + 1;; ++value) osCGsetINT32(kSection, u"k", value);
    }
    usleep(delay(random));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    midWrite += fs::exists(store.path.string() + ".tmp");
    int32_t value = INT32_MIN;
    ASSERT_TRUE(osCGgetINT32(kSection, u"k", false, &value)) << "round " << round;
    ASSERT_GE(value, last) << "round " << round;
    ASSERT_EQ(store.text(), expectedText(value)) << "round " << round;
    last = value;
  }
  EXPECT_GT(last, 0);
  EXPECT_GT(midWrite, 0);
}

TEST(ConfigStore, TwoWriterProcessesLoseNoUpdate) {
  const ConfigFileScope store;
  constexpr int kWrites = 60;
  const auto keyOf = [](char16_t prefix, int i) {
    return prefix + std::u16string(u"key") + char16_t(u'0' + i / 10) + char16_t(u'0' + i % 10);
  };
  std::vector<pid_t> writers;
  for (const char16_t prefix : {u'a', u'b'}) {
    const pid_t pid = fork();
    if (pid == 0) {
      bool ok = true;
      for (int i = 0; i < kWrites; ++i)
        ok = osCGsetINT32(kSection, keyOf(prefix, i).c_str(), i) && ok;
      _exit(ok ? 0 : 1);
    }
    writers.push_back(pid);
  }
  for (const pid_t pid : writers) {
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  for (const char16_t prefix : {u'a', u'b'})
    for (int i = 0; i < kWrites; ++i)
      EXPECT_EQ(intOr(keyOf(prefix, i).c_str(), -1), i) << char(prefix) << i;
}

TEST(SystemLanguages, CodesOfSlotsInUseCutToFifteenUnits) {
  core::setSystemLanguageCodes(
      {u"de", u"", u"en", u"abcdefghijklmnopqrstuvwxyz", u"abcdefghijklmn\U0001F600"});
  const struct {
    int32_t slot;
    std::u16string code;
  } cases[] = {
      {0, u"de"}, {1, u""}, {2, u"en"}, {3, u"abcdefghijklmno"}, {4, u"abcdefghijklmn"}, {5, u""},
      {8, u""},   {9, u""}, {-1, u""},  {INT_MIN, u""}};
  for (const auto& c : cases) {
    UniChar buffer[17];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    osBLgetSystemLanguageCode(buffer, c.slot);
    EXPECT_EQ(std::u16string(buffer), c.code) << c.slot;
    EXPECT_EQ(buffer[16], u'#');
  }
  core::setSystemLanguageCodes({});
}

}  // namespace
}  // namespace zelmo::test
