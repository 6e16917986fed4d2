// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/serve/ServeCommand.h"

#include <pthread.h>
#include <signal.h>
#include <sys/random.h>

#include <ostream>
#include <thread>

#include <CLI/CLI.hpp>

#include "platform/scenar/basic/TextReader.h"
#include "plivexwin/CommandLine.h"
#include "plivexwin/SceneFile.h"
#include "plivexwin/Usage.h"
#include "plivexwin/serve/EditorServer.h"
#include "plivexwin/serve/GuiQueue.h"
#include "plivexwin/serve/HttpFront.h"
#include "plivexwin/serve/ServeHelp.h"

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
// Ending, it wakes that thread with a signal of its own if none came.
class StopOnSignals {
 public:
  explicit StopOnSignals(GuiQueue& queue) : queue_(queue) {
    sigemptyset(&signals_);
    sigaddset(&signals_, SIGINT);
    sigaddset(&signals_, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals_, &before_);
  }
  ~StopOnSignals() {
    if (watcher_.joinable()) {
      pthread_kill(watcher_.native_handle(), SIGTERM);  // ESRCH once it ended: harmless
      watcher_.join();
    }
    pthread_sigmask(SIG_SETMASK, &before_, nullptr);
  }
  StopOnSignals(const StopOnSignals&) = delete;
  StopOnSignals& operator=(const StopOnSignals&) = delete;

  void watch() {
    watcher_ = std::thread([this] {
      int signal = 0;
      sigwait(&signals_, &signal);
      queue_.stop();
    });
  }

 private:
  GuiQueue& queue_;
  sigset_t signals_, before_;
  std::thread watcher_;
};

// Reads the scene of input and serves it on host:port until a signal stops it.
int serve(const SceneInput& input, const std::string& host, int port, const Console& console) {
  std::string error;
  std::unique_ptr<SceneFile> scene = SceneFile::read(input.path, error, input.mostBytes);
  if (!scene) return commandFailed(console.err, error);
  const std::string token = newToken();
  if (token.empty()) return commandFailed(console.err, "the system's random source failed");
  GuiQueue queue;
  StopOnSignals signals(queue);
  EditorServer server(std::move(scene));
  HttpFront front(server, queue, token);
  if (!front.bind(host, port, error))
    return commandFailed(console.err, scenar::escapeControls(error));
  front.start();
  signals.watch();
  console.out << "serving " << scenar::escapeControls(server.path()) << " at http://" << host << ':'
              << front.port() << "/?token=" << token << std::endl;
  queue.run();
  front.stop();
  if (server.hasUnsavedChanges())
    console.err << "plivexwin: " << scenar::escapeControls(server.path())
                << " has unsaved changes, now lost\n";
  return 0;
}

}  // namespace

cli::CommandRun defineServe(CLI::App& program) {
  struct Arguments {
    cli::SceneInput input;
    std::string host = "127.0.0.1";
    int port = 0;
  };
  auto args = std::make_shared<Arguments>();
  CLI::App* command = addServeCommand(program);
  cli::addSceneInput(*command, args->input);
  command->add_option("--port", args->port, "listen on port N, a free port by default")
      ->type_name("N")
      ->check(CLI::Range(0, 65535).description(""));
  command->add_option("--host", args->host, "listen on ADDR, 127.0.0.1 by default")
      ->type_name("ADDR");
  return [args](const cli::Console& console) {
    return serve(args->input, args->host, args->port, console);
  };
}

}  // namespace plivexwin::serve
