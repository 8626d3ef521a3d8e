// SPDX-License-Identifier: GPL-3.0-or-later
// A JACK server of a test's own, made the default server of the process while it lives, so that
// the other tests keep theirs. Its name is the tests' server name with "-loss": one fixed name, as
// a killed server's slot in JACK's registry is freed only when a server of the same name starts
// again. So a server killed by the test is started again and stopped when the object goes.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

extern char** environ;

namespace tarnwick::test {

class OwnJackServer {
 public:
  OwnJackServer() {
    const char* previous = std::getenv("JACK_DEFAULT_SERVER");
    if (previous != nullptr) previous_ = previous;
    name_ = (previous_.empty() ? std::string("tarnwick") : previous_) + "-loss";
    log_ = "/tmp/" + name_ + "-" + std::to_string(::getpid()) + ".log";
    ::setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
  }
  ~OwnJackServer() {
    if (killed_) start();  // takes the killed server's slot back
    stop(SIGTERM);
    ::unlink(log_.c_str());
    previous_.empty() ? ::unsetenv("JACK_DEFAULT_SERVER") : ::setenv("JACK_DEFAULT_SERVER", previous_.c_str(), 1);
  }
  OwnJackServer(const OwnJackServer&) = delete;
  OwnJackServer& operator=(const OwnJackServer&) = delete;

  // Starts the server and waits until it answers; false with the reason in `problem`.
  bool start() {
    std::string nameArg = name_;
    const char* argv[] = {"jackd", "-n", nameArg.c_str(), "--no-realtime", "--sync", "-d", "dummy",
                          "-r", "48000", "-p", "256", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const int spawned = posix_spawnp(&pid_, "jackd", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
      problem_ = "jackd could not be started (is it installed?)";
      return false;
    }
    killed_ = false;
    if (std::system("jack_wait -w -t 10 >/dev/null 2>&1") == 0) return true;
    problem_ = "the JACK server '" + name_ + "' did not start; jackd said:\n" + output();
    return false;
  }

  // Kills the server at once, as a crash would.
  void kill() {
    stop(SIGKILL);
    killed_ = true;
  }

  const std::string& problem() const { return problem_; }

 private:
  std::string output() const {
    std::ifstream file(log_);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
  void stop(int signal) {
    if (pid_ <= 0) return;
    ::kill(pid_, signal);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

  std::string name_;
  std::string previous_;
  std::string log_;
  std::string problem_;
  pid_t pid_ = -1;
  bool killed_ = false;
};

}  // namespace tarnwick::test
