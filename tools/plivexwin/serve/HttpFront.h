// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

namespace plivexwin::serve {

class EditorServer;
class GuiQueue;

// The HTTP side of `serve`: cpp-httplib's workers take the requests, refuse
// those without the token (403) or with a body over kMostBodyBytes (413),
// and hand the others to the module's thread through the queue, waiting for
// the answer. Event streams wait for changes on their own, outside the
// module's thread; slow or vanished clients time out.
class HttpFront {
 public:
  static constexpr std::size_t kMostBodyBytes = 64 * 1024;

  HttpFront(EditorServer& server, GuiQueue& queue, std::string token);
  ~HttpFront();
  HttpFront(const HttpFront&) = delete;
  HttpFront& operator=(const HttpFront&) = delete;

  // Binds host:port, any free port when port is 0; false, with the reason
  // in error, when it cannot.
  bool bind(const std::string& host, int port, std::string& error);
  int port() const { return port_; }
  // Serves on a thread of its own until stop().
  void start();
  // Ends the event streams, stops listening and waits for the workers.
  void stop();

 private:
  void route();

  EditorServer& server_;
  GuiQueue& queue_;
  std::string token_;
  std::unique_ptr<httplib::Server> http_;
  std::thread listener_;
  int port_ = 0;
};

}  // namespace plivexwin::serve
