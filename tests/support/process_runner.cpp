#include "tests/support/process_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

extern char** environ;

namespace charart::testing {

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input,
                         const std::map<std::string, std::string>& environment) {
  int inPipe[2], outPipe[2], errPipe[2];
  if (pipe(inPipe) != 0 || pipe(outPipe) != 0 || pipe(errPipe) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, inPipe[0], 0);
  posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
  for (int fd : {inPipe[0], inPipe[1], outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) {
    posix_spawn_file_actions_addclose(&actions, fd);
  }
  std::vector<std::string> argvStrings{program};
  argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& a : argvStrings) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> envStrings;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry(*e);
    const std::string name = entry.substr(0, entry.find('='));
    if (!environment.count(name)) envStrings.push_back(entry);
  }
  for (const auto& [name, value] : environment) envStrings.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (auto& e : envStrings) envp.push_back(e.data());
  envp.push_back(nullptr);

  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(inPipe[0]);
  close(outPipe[1]);
  close(errPipe[1]);
  ProcessResult result;
  if (spawned != 0) {
    close(inPipe[1]);
    close(outPipe[0]);
    close(errPipe[0]);
    return result;
  }
  signal(SIGPIPE, SIG_IGN);
  std::size_t written = 0;
  if (input.empty()) {
    close(inPipe[1]);
    inPipe[1] = -1;
  }
  bool outOpen = true, errOpen = true;
  char buffer[65536];
  while (outOpen || errOpen) {
    pollfd fds[3];
    int n = 0;
    if (outOpen) fds[n++] = {outPipe[0], POLLIN, 0};
    if (errOpen) fds[n++] = {errPipe[0], POLLIN, 0};
    if (inPipe[1] >= 0) fds[n++] = {inPipe[1], POLLOUT, 0};
    if (poll(fds, static_cast<nfds_t>(n), -1) < 0) break;
    for (int i = 0; i < n; ++i) {
      if (fds[i].revents == 0) continue;
      if (fds[i].fd == inPipe[1]) {
        const ssize_t w = write(inPipe[1], input.data() + written, input.size() - written);
        if (w > 0) written += static_cast<std::size_t>(w);
        if (w < 0 || written == input.size()) {
          close(inPipe[1]);
          inPipe[1] = -1;
        }
        continue;
      }
      const ssize_t r = read(fds[i].fd, buffer, sizeof buffer);
      std::string& sink = fds[i].fd == outPipe[0] ? result.out : result.err;
      if (r > 0) {
        sink.append(buffer, static_cast<std::size_t>(r));
      } else {
        (fds[i].fd == outPipe[0] ? outOpen : errOpen) = false;
      }
    }
  }
  if (inPipe[1] >= 0) close(inPipe[1]);
  close(outPipe[0]);
  close(errPipe[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

}  // namespace charart::testing
