// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/serve/HttpFront.h"

#include <httplib.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "plivexwin/serve/EditorServer.h"
#include "plivexwin/serve/GuiQueue.h"
#include "plivexwin/serve/PageAssets.h"

namespace plivexwin::serve {

namespace {

using namespace std::chrono_literals;

// How long a worker waits for the module's thread to answer.
constexpr auto kAnswerTimeout = 20s;
// How long an event stream waits before it sends a keep-alive comment.
constexpr auto kStreamBeat = 10s;

// Whether the two are equal, in a time that does not tell where they differ.
bool sameToken(const std::string& given, const std::string& token) {
  if (given.size() != token.size()) return false;
  unsigned char differ = 0;
  for (std::size_t i = 0; i < token.size(); ++i) differ |= given[i] ^ token[i];
  return differ == 0;
}

void setSecurityHeaders(httplib::Response& response) {
  response.set_header("Cache-Control", "no-store");
  response.set_header("X-Content-Type-Options", "nosniff");
  response.set_header("Referrer-Policy", "no-referrer");
  response.set_header("Content-Security-Policy",
                      "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
                      "img-src 'self' blob:; connect-src 'self'");
}

}  // namespace

HttpFront::HttpFront(EditorServer& server, GuiQueue& queue, std::string token)
    : server_(server),
      queue_(queue),
      token_(std::move(token)),
      http_(std::make_unique<httplib::Server>()) {
  http_->set_payload_max_length(kMostBodyBytes);
  http_->set_read_timeout(5, 0);
  http_->set_write_timeout(5, 0);
  http_->set_keep_alive_timeout(5);
  // cpp-httplib's own options share the port with any socket that asks the
  // same (SO_REUSEPORT), another serve say; a port in use must be refused.
  http_->set_socket_options([](socket_t socket) {
    const int yes = 1;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  route();
}

HttpFront::~HttpFront() { stop(); }

bool HttpFront::bind(const std::string& host, int port, std::string& error) {
  errno = 0;
  port_ = port == 0 ? http_->bind_to_any_port(host) : (http_->bind_to_port(host, port) ? port : -1);
  if (port_ > 0) return true;
  error = "cannot listen on " + host + ":" + std::to_string(port) +
          (errno ? std::string(": ") + std::strerror(errno) : std::string());
  return false;
}

void HttpFront::start() {
  listener_ = std::thread([this] { http_->listen_after_bind(); });
}

void HttpFront::stop() {
  server_.changes().close();
  if (http_) http_->stop();
  if (listener_.joinable()) listener_.join();
}

void HttpFront::route() {
  http_->set_pre_routing_handler(
      [this](const httplib::Request& request, httplib::Response& response) {
        setSecurityHeaders(response);
        std::string given = request.get_param_value("token");
        if (given.empty()) given = request.get_header_value("X-Token");
        if (sameToken(given, token_)) return httplib::Server::HandlerResponse::Unhandled;
        response.status = 403;
        response.set_content("a request needs the token the server printed\n", "text/plain");
        return httplib::Server::HandlerResponse::Handled;
      });
  http_->Get("/", [](const httplib::Request&, httplib::Response& response) {
    response.set_content(std::string(pageHtml()), "text/html; charset=utf-8");
  });
  http_->Get("/api/events", [this](const httplib::Request&, httplib::Response& response) {
    auto seen = std::make_shared<std::uint64_t>(server_.changes().count());
    response.set_chunked_content_provider(
        "text/event-stream", [this, seen](std::size_t offset, httplib::DataSink& sink) {
          // The first write says where the count stands; then one a change.
          const std::optional<std::uint64_t> now =
              offset == 0 ? std::optional(*seen) : server_.changes().waitPast(*seen, kStreamBeat);
          if (!now) return false;
          const std::string event = *now == *seen && offset != 0
                                        ? ": beat\n\n"
                                        : "data: " + std::to_string(*now) + "\n\n";
          *seen = *now;
          return sink.write(event.data(), event.size());
        });
  });
  const auto forward = [this](const httplib::Request& request, httplib::Response& response) {
    auto call =
        std::make_shared<ApiRequest>(ApiRequest{request.method, request.path, {}, request.body});
    for (const auto& [name, value] : request.params) call->params[name] = value;
    const std::optional<ApiReply> reply =
        queue_.call<ApiReply>([this, call] { return server_.handle(*call); }, kAnswerTimeout);
    if (!reply) {
      response.status = 503;
      response.set_content("the editor is busy or stopping\n", "text/plain");
      return;
    }
    response.status = reply->status;
    if (!reply->filename.empty())
      response.set_header("Content-Disposition",
                          "attachment; filename=\"" + reply->filename + "\"");
    response.set_content(reply->body, reply->type.c_str());
  };
  http_->Get(R"(/api/[a-z.]+)", forward);
  http_->Post(R"(/api/[a-z]+)", forward);
}

}  // namespace plivexwin::serve
