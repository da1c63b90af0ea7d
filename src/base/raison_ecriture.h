#pragma once
// Why a file could not be written, in a form the screens say to the player (through the
// translator) instead of a bare "failed".
#include <string>

enum class RaisonEcriture {
  Aucune,        // nothing stands in the way that can be seen
  Dossier,       // a folder (or another thing that is no file) has that name
  LectureSeule,  // the file, or the folder that should hold it, is write-protected
  Impossible,    // the folder is missing, the disk is full, ...
};

// Looks at `chemin` after a failed write and names what stands in the way.
RaisonEcriture raisonEcriture(const std::string& chemin);

// The translation key of the reason's sentence ("RaisonDossier", "RaisonLectureSeule",
// "RaisonEcriture"; Aucune shares the last).
const char* cleRaisonEcriture(RaisonEcriture raison);
