#include "platform/processus.h"

#include <cerrno>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool estExecutable(const std::string& chemin) {
  struct stat st;
  return stat(chemin.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(chemin.c_str(), X_OK) == 0;
}

// Everything below the fork runs in a copy of a possibly multi-threaded process, so it only
// uses async-signal-safe calls on data prepared beforehand.
[[noreturn]] void executer(const char* chemin, char* const* args, int tubeErreur) {
  sigset_t vide;
  sigemptyset(&vide);
  sigprocmask(SIG_SETMASK, &vide, nullptr);
  signal(SIGPIPE, SIG_DFL);
  execv(chemin, args);
  int err = errno;
  ssize_t ignore = write(tubeErreur, &err, sizeof err);
  (void)ignore;
  _exit(127);
}

pid_t attendreFin(pid_t pid) {
  int etat = 0;
  pid_t r;
  do {
    r = waitpid(pid, &etat, 0);
  } while (r < 0 && errno == EINTR);
  return r;
}

}  // namespace

std::string chercherProgramme(const std::string& nom) {
  if (nom.empty()) return "";
  if (nom.find('/') != std::string::npos) return estExecutable(nom) ? nom : "";
  const char* path = std::getenv("PATH");
  std::string chemins = path ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t debut = 0;
  while (debut <= chemins.size()) {
    size_t fin = chemins.find(':', debut);
    if (fin == std::string::npos) fin = chemins.size();
    std::string dossier = chemins.substr(debut, fin - debut);
    if (dossier.empty()) dossier = ".";
    std::string candidat = dossier + "/" + nom;
    if (estExecutable(candidat)) return candidat;
    debut = fin + 1;
  }
  return "";
}

int lancerProgramme(const std::vector<std::string>& argv, bool attendre) {
  if (argv.empty() || argv[0].empty()) return -1;
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  // The exec failure travels back through a close-on-exec pipe: end of file means exec worked.
  int tube[2];
  if (pipe2(tube, O_CLOEXEC) != 0) return -1;

  pid_t enfant = fork();
  if (enfant < 0) {
    close(tube[0]);
    close(tube[1]);
    return -1;
  }
  if (enfant == 0) {
    close(tube[0]);
    if (attendre) executer(args[0], args.data(), tube[1]);
    pid_t petitEnfant = fork();
    if (petitEnfant < 0) {
      int err = errno;
      ssize_t ignore = write(tube[1], &err, sizeof err);
      (void)ignore;
      _exit(127);
    }
    if (petitEnfant == 0) executer(args[0], args.data(), tube[1]);
    _exit(0);
  }

  close(tube[1]);
  int err = 0;
  ssize_t lu;
  do {
    lu = read(tube[0], &err, sizeof err);
  } while (lu < 0 && errno == EINTR);
  close(tube[0]);
  // Detached: this reaps the intermediate child, which ends right after its fork. Waited for:
  // this is the program itself.
  attendreFin(enfant);
  return lu > 0 ? -1 : 0;
}

int ouvrirDocument(const std::string& cible, const std::string& parametre) {
  if (cible.empty()) return -1;
  // An executable file (the game restarting itself) is started directly; anything else (a web
  // address, a document) goes to the desktop's opener.
  struct stat st;
  if (stat(cible.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0111)) {
    std::string programme = cible.find('/') == std::string::npos ? "./" + cible : cible;
    std::vector<std::string> args{programme};
    if (!parametre.empty()) args.push_back(parametre);
    return lancerProgramme(args, false);
  }
  std::string ouvreur = chercherProgramme("xdg-open");
  if (ouvreur.empty()) return -1;
  return lancerProgramme({ouvreur, cible}, false);
}

int ouvrirPageWeb(const std::string& adresse) { return ouvrirDocument(adresse, ""); }

double msDepuisLancement() {
  std::ifstream f("/proc/self/stat");
  std::string stat;
  if (!std::getline(f, stat)) return -1;
  // The name in parentheses may hold spaces: the fields are counted after its last ')'.
  const size_t fin = stat.rfind(')');
  if (fin == std::string::npos) return -1;
  std::istringstream champs(stat.substr(fin + 1));
  std::string champ;
  unsigned long long debut = 0;
  // Fields 3 (state) to 22 (starttime, in clock ticks since boot).
  for (int i = 3; i <= 22 && champs >> champ; ++i)
    if (i == 22) debut = std::strtoull(champ.c_str(), nullptr, 10);
  const long tic = sysconf(_SC_CLK_TCK);
  timespec maintenant{};
  if (debut == 0 || tic <= 0 || clock_gettime(CLOCK_BOOTTIME, &maintenant) != 0) return -1;
  const double ms = maintenant.tv_sec * 1000.0 + maintenant.tv_nsec / 1e6 - debut * 1000.0 / tic;
  return ms >= 0 ? ms : -1;
}

double secondesMonotones() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

void cederPriorite() {
  // Best effort: a refused change leaves the thread at its priority.
  (void)setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
}
