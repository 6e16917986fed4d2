#include "plivexwin/serve/ServeCommand.h"

#include <pthread.h>
#include <signal.h>
#include <sys/random.h>

#include <ostream>
#include <thread>

#include "platform/scenar/basic/TextReader.h"
#include "plivexwin/CommandLine.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/TextParsing.h"
#include "plivexwin/Usage.h"
#include "plivexwin/serve/EditorServer.h"
#include "plivexwin/serve/GuiQueue.h"
#include "plivexwin/serve/HttpFront.h"

namespace plivexwin::serve {

namespace {

using namespace cli;

// 128 random bits from the system's source, in hexadecimal; empty when the
// source fails.
std::string newToken() {
  unsigned char bytes[16];
  std::size_t got = 0;
  while (got < sizeof bytes) {
    const ssize_t n = getrandom(bytes + got, sizeof bytes - got, 0);
    if (n <= 0) return {};
    got += std::size_t(n);
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string token;
  for (unsigned char b : bytes) token += {kHex[b >> 4], kHex[b & 15]};
  return token;
}

// SIGINT and SIGTERM held back in every thread made while it lives, and
// waited for by a thread of its own, which stops the queue when one comes.
class StopOnSignals {
 public:
  explicit StopOnSignals(GuiQueue& queue) : queue_(queue) {
    sigemptyset(&signals_);
    sigaddset(&signals_, SIGINT);
    sigaddset(&signals_, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals_, &before_);
  }
  ~StopOnSignals() {
    if (watcher_.joinable()) watcher_.join();
    pthread_sigmask(SIG_SETMASK, &before_, nullptr);
  }
  StopOnSignals(const StopOnSignals&) = delete;
  StopOnSignals& operator=(const StopOnSignals&) = delete;

  void watch() {
    watcher_ = std::thread([this] {
      while (!queue_.stopped()) {
        const timespec beat{0, 200'000'000};
        if (sigtimedwait(&signals_, nullptr, &beat) > 0) queue_.stop();
      }
    });
  }

 private:
  GuiQueue& queue_;
  sigset_t signals_, before_;
  std::thread watcher_;
};

}  // namespace

int runServe(std::span<char* const> args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && isHelpOption(args[0])) {
    out << serveUsage();
    return 0;
  }
  std::string problem;
  const std::optional<CommandLine> line =
      parseCommandLine(args, {"--port", "--host", kMaxInputBytesOption}, {}, problem);
  if (!line) return usageError(err, problem, serveUsage());
  if (line->files.size() != 1) return usageError(err, "serve takes one PLOT.scn", serveUsage());
  const std::optional<std::uintmax_t> mostBytes = maxInputBytes(*line, problem);
  if (!mostBytes) return usageError(err, problem, serveUsage());
  const std::optional<std::string> portText = line->value("--port");
  const std::optional<int> port = portText ? parseInt(*portText) : 0;
  if (!port || *port < 0 || *port > 65535)
    return usageError(err, "--port takes a port number, 0 to 65535", serveUsage());
  const std::string host = line->value("--host").value_or("127.0.0.1");

  std::string error;
  std::unique_ptr<SceneFile> scene = SceneFile::read(line->files[0], error, *mostBytes);
  if (!scene) return commandFailed(err, error);
  const std::string token = newToken();
  if (token.empty()) return commandFailed(err, "the system's random source failed");

  GuiQueue queue;
  StopOnSignals signals(queue);
  EditorServer server(std::move(scene));
  HttpFront front(server, queue, token);
  if (!front.bind(host, *port, error)) return commandFailed(err, scenar::escapeControls(error));
  front.start();
  signals.watch();
  out << "serving " << scenar::escapeControls(server.path()) << " at http://" << host << ':'
      << front.port() << "/?token=" << token << std::endl;
  queue.run();
  front.stop();
  if (server.hasUnsavedChanges())
    err << "plivexwin: " << scenar::escapeControls(server.path())
        << " has unsaved changes, now lost\n";
  return 0;
}

}  // namespace plivexwin::serve
