#include "platform/ibus/line_channel.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

namespace keyloom {
namespace {

struct ChannelPair {
  ChannelPair() {
    int ends[2];
    EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    near = std::make_unique<LineChannel>(ends[0]);
    far = ends[1];
  }
  ~ChannelPair() { close(far); }
  void FarSends(const std::string& bytes) const {
    EXPECT_EQ(send(far, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
  }
  std::unique_ptr<LineChannel> near;
  int far = -1;
};

TEST(LineChannelTest, LinesArriveWholeHoweverTheyAreCut) {
  ChannelPair pair;
  for (const char* piece : {"com", "mit a\nhide", "\n", "done 1 0\npart"}) {
    pair.FarSends(piece);
    pair.near->ReadAvailable();
  }
  EXPECT_EQ(pair.near->TakeLine(), "commit a");
  EXPECT_EQ(pair.near->TakeLine(), "hide");
  EXPECT_EQ(pair.near->TakeLine(), "done 1 0");
  EXPECT_EQ(pair.near->TakeLine(), std::nullopt);
  EXPECT_FALSE(pair.near->closed());
}

TEST(LineChannelTest, APeerThatSendsALineWithoutEndIsCutOff) {
  ChannelPair pair;
  pair.FarSends("hide\n");
  const std::string chunk(4096, 'x');
  for (std::size_t sent = 0; sent <= LineChannel::kMaxLineBytes && !pair.near->closed();
       sent += chunk.size()) {
    pair.FarSends(chunk);
    pair.near->ReadAvailable();
  }
  EXPECT_TRUE(pair.near->closed());
  EXPECT_EQ(pair.near->TakeLine(), "hide");  // what came before is still taken
}

TEST(LineChannelTest, APeerThatStopsReadingIsCutOffInsteadOfBlockingTheWriter) {
  ChannelPair pair;
  const std::string line(1000, 'k');
  std::size_t written = 0;
  while (pair.near->Write(line)) written += line.size();
  EXPECT_TRUE(pair.near->closed());
  EXPECT_GE(written, LineChannel::kDefaultMaxQueuedBytes - line.size());
}

TEST(EngineSocketPathTest, OnlyAFolderThatIsTheUsersAloneHoldsTheSocket) {
  const std::filesystem::path base =
      std::filesystem::temp_directory_path() / ("line-channel-test-" + std::to_string(getpid()));
  std::filesystem::remove_all(base);
  std::filesystem::create_directories(base / "runtime");
  const std::string shared = base.string();
  const std::string own = shared + "/keyloom-" + std::to_string(getuid());

  chmod((base / "runtime").c_str(), 0700);
  EXPECT_EQ(EngineSocketPath((base / "runtime").c_str(), shared),
            (base / "runtime").string() + "/keyloom-ibus.socket");
  chmod((base / "runtime").c_str(), 0755);
  EXPECT_EQ(EngineSocketPath((base / "runtime").c_str(), shared), std::nullopt);

  // Without a runtime folder: made for the user, or refused when someone else could enter it.
  EXPECT_EQ(EngineSocketPath(nullptr, shared), own + "/ibus.socket");
  struct stat status {};
  ASSERT_EQ(stat(own.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0700u);
  chmod(own.c_str(), 0755);
  EXPECT_EQ(EngineSocketPath("", shared), std::nullopt);
  std::filesystem::remove(own);
  std::filesystem::create_directory_symlink(base / "runtime", own);
  chmod((base / "runtime").c_str(), 0700);
  EXPECT_EQ(EngineSocketPath(nullptr, shared), std::nullopt);
  std::filesystem::remove_all(base);
}

TEST(EngineSocketPathTest, AListenerOfAnotherUserIsNotTrusted) {
  if (getuid() != 0) GTEST_SKIP() << "needs root to run a listener as another user";
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("line-channel-other-" + std::to_string(getpid()) + ".socket"))
                               .string();
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t other = fork();
  if (other == 0) {
    if (setuid(65534) != 0) _exit(1);
    const int listener = ListenAt(path);
    chmod(path.c_str(), 0777);  // anyone may connect: only the peer check stands in the way
    const char byte = listener >= 0 ? 1 : 0;
    if (write(ready[1], &byte, 1) != 1) _exit(1);
    sleep(5);
    _exit(0);
  }
  char byte = 0;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  ASSERT_EQ(byte, 1);
  EXPECT_EQ(ConnectTo(path), -1);
  kill(other, SIGKILL);
  waitpid(other, nullptr, 0);
  close(ready[0]);
  close(ready[1]);
  unlink(path.c_str());
}

}  // namespace
}  // namespace keyloom
