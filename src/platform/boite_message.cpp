#include "platform/boite_message.h"

#include <cstdlib>
#include <cstring>

#include "platform/processus.h"

std::vector<std::string> argumentsBoiteMessage(const std::string& programme,
                                               const std::string& message) {
  std::string nom = programme.substr(programme.find_last_of('/') + 1);
  // A message that starts with '-' would be read as an option by the dialog program.
  std::string texte = !message.empty() && message[0] == '-' ? " " + message : message;
  if (nom == "zenity") return {programme, "--error", "--no-markup", "--text=" + texte};
  if (nom == "kdialog") return {programme, "--error", texte};
  if (nom == "xmessage") return {programme, "-center", "-buttons", "OK", texte};
  return {};
}

bool montrerBoiteMessage(const std::string& message) {
  const char* sans = std::getenv("ZARVINEL_SANS_DIALOGUE");
  if (sans && std::strcmp(sans, "1") == 0) return false;
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((!display || !*display) && (!wayland || !*wayland)) return false;
  for (const char* nom : {"zenity", "kdialog", "xmessage"}) {
    std::string programme = chercherProgramme(nom);
    if (programme.empty()) continue;
    if (lancerProgramme(argumentsBoiteMessage(programme, message), true) == 0) return true;
  }
  return false;
}
