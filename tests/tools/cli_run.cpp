#include "cli_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

CliRun RunCli(const TempDir& dir, std::vector<std::string> args, const std::string& input) {
  args.insert(args.begin(), {VELA_CLI, "--root", dir.str()});
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const std::string out = (dir.path() / "stdout").string();
  const std::string err = (dir.path() / "stderr").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, input.empty() ? "/dev/null" : input.c_str(),
                                   O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  // The user's settings stay out of it: the language is the one the locale gives.
  std::vector<std::string> env{"XDG_CONFIG_HOME=" + (dir.path() / "config").string(),
                               "HOME=" + dir.str(), "LANG=C", "LC_ALL=C"};
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid = 0;
  CliRun run;
  if (posix_spawn(&pid, VELA_CLI, &actions, nullptr, argv.data(), envp.data()) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = ReadFileBytes(out);
  run.err = ReadFileBytes(err);
  return run;
}
