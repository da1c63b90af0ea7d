// A dialog's one lifetime, without a window: the manager owns it from its opening until the
// frame after its closing; from the closing on its buttons do nothing, and only the front dialog's
// buttons act. Run under the address sanitizer too (the asan stage): a dialog destroyed inside its
// own button's callback shows there as a use of freed memory.
#include <memory>
#include <string>
#include <vector>

#include "gui/dialogue.h"
#include "gui/widgets.h"
#include "gui_commun.h"

namespace {

// A dialog that says when it is destroyed.
class DialogueTemoin : public DialogueGUI {
 public:
  explicit DialogueTemoin(bool& detruit) : DialogueGUI(300, 100), detruit_(detruit) {}
  ~DialogueTemoin() override { detruit_ = true; }

 private:
  bool& detruit_;
};

class Dialogues : public GuiSansFenetre {
 protected:
  // A click in the middle of a widget's zone.
  void clicSur(const BoutonGUI* b) { clic(b->zone()->x + 5, b->zone()->y + 5); }
  bool aucuneZone() const {
    for (const ZoneGUI* z : g_->zones())
      if (z) return false;
    return true;
  }
};

TEST_F(Dialogues, FermeParSonBoutonDetruitApresLImageJamaisPendant) {
  bool detruit = false, detruitPendant = true;
  DialogueTemoin* d = g_->ouvrirDialogue(std::make_unique<DialogueTemoin>(detruit));
  BoutonGUI* ok = d->ajouterBouton("OK", surClic([&] {
                                     g_->fermerDialogue(d);
                                     detruitPendant = detruit;
                                     d->setTitre("ferme");  // still whole inside its own callback
                                   }),
                                   0);
  clicSur(ok);
  EXPECT_FALSE(detruitPendant);
  EXPECT_FALSE(detruit);  // the rest of the frame's events still find its widgets
  EXPECT_FALSE(g_->dialogueOuvert(d));
  EXPECT_EQ(d->fond()->texte(), "ferme");
  EXPECT_EQ(g_->detruireFermes(), 1);  // the frame's end
  EXPECT_TRUE(detruit);
  EXPECT_TRUE(aucuneZone());
  EXPECT_EQ(g_->detruireFermes(), 0);
}

// Its widgets stay where they were until the frame ends (nothing beneath gets the click), but
// its buttons are dead from the closing on.
TEST_F(Dialogues, SecondClicDansLaMemeImageSansEffet) {
  BoutonGUI dessous(0, 0, 640, "", enregistreur(), 9);  // spans the dialog's buttons
  dessous.zone()->setPropriete(PROP_HAUTEUR, 480);
  int clics = 0;
  DialogueGUI* d = g_->ouvrirDialogue(std::make_unique<DialogueGUI>(300, 100));
  BoutonGUI* ok = d->ajouterBouton("OK", surClic([&] {
                                     ++clics;
                                     g_->fermerDialogue(d);
                                   }),
                                   0);
  const int x = ok->zone()->x + 5, y = ok->zone()->y + 5;
  clicSur(ok);
  clicSur(ok);
  ok->zone()->transmettre(EV_RELACHE, 5, 5);  // even straight to the zone
  EXPECT_EQ(clics, 1);
  EXPECT_TRUE(recus_.empty());
  g_->detruireFermes();
  clic(x, y);  // the next frame: what lies beneath
  ASSERT_FALSE(recus_.empty());
  EXPECT_EQ(recus_.back().type, EV_RELACHE);
  EXPECT_EQ(recus_.back().donnee, 9);
}

TEST_F(Dialogues, FermerEtOuvrirDansLeMemeRappel) {
  std::vector<std::string> actions;
  DialogueGUI* premier = g_->ouvrirDialogue(std::make_unique<DialogueGUI>(300, 100));
  DialogueGUI* second = nullptr;
  BoutonGUI* okSecond = nullptr;
  BoutonGUI* okPremier =
      premier->ajouterBouton("OK", surClic([&] {
                               actions.push_back("premier");
                               g_->fermerDialogue(premier);
                               // The next one, of the same size: its OK on the same pixels.
                               second = g_->ouvrirDialogue(std::make_unique<DialogueGUI>(300, 100));
                               okSecond = second->ajouterBouton("OK", surClic([&] {
                                                                  actions.push_back("second");
                                                                  g_->fermerDialogue(second);
                                                                }),
                                                                0);
                             }),
                             0);
  clicSur(okPremier);
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(g_->dialogueDevant(second));
  EXPECT_FALSE(g_->dialogueOuvert(premier));
  EXPECT_EQ(okSecond->zone()->x, okPremier->zone()->x);
  // Later in the same frame: the closed one stays dead, the new one in front takes the click.
  okPremier->zone()->transmettre(EV_RELACHE, 5, 5);
  clicSur(okPremier);
  EXPECT_EQ(actions, (std::vector<std::string>{"premier", "second"}));
  EXPECT_EQ(g_->detruireFermes(), 2);
  EXPECT_TRUE(aucuneZone());
}

// A dialog opened over another (a colour chooser over the form that opened it) holds the
// buttons: the one beneath acts again as soon as the top one closes, before it is destroyed.
TEST_F(Dialogues, SeulLeDialogueDeDevantAgit) {
  int dessous = 0, dessus = 0;
  DialogueGUI* a = g_->ouvrirDialogue(std::make_unique<DialogueGUI>(300, 100));
  BoutonGUI* okA = a->ajouterBouton("OK", surClic([&] { ++dessous; }), 0);
  DialogueGUI* b = g_->ouvrirDialogue(std::make_unique<DialogueGUI>(200, 60));
  BoutonGUI* okB = b->ajouterBouton("OK", surClic([&] { ++dessus; }), 0);
  EXPECT_TRUE(g_->dialogueOuvert(a));
  EXPECT_FALSE(g_->dialogueDevant(a));
  okA->zone()->transmettre(EV_RELACHE, 5, 5);
  EXPECT_EQ(dessous, 0);
  clicSur(okB);
  EXPECT_EQ(dessus, 1);
  g_->fermerDialogue(b);
  okA->zone()->transmettre(EV_RELACHE, 5, 5);
  EXPECT_EQ(dessous, 1);
  EXPECT_EQ(g_->nombreDialoguesOuverts(), 1u);
  EXPECT_EQ(g_->detruireFermes(), 1);
}

// A panel the manager never held acts like any widget, and closing it does nothing; closing twice
// does nothing more; the manager's end takes every dialog it still holds, open or closed (the
// leak checker of the asan stage sees any left).
TEST_F(Dialogues, FermeturesEnTropEtFinDuGestionnaire) {
  DialogueGUI libre(300, 100);  // never given to the manager
  int clics = 0;
  clicSur(libre.ajouterBouton("OK", surClic([&] { ++clics; }), 0));
  EXPECT_EQ(clics, 1);
  g_->fermerDialogue(&libre);
  g_->fermerDialogue(nullptr);
  EXPECT_EQ(g_->detruireFermes(), 0);
  DialogueGUI* d = g_->ouvrirDialogue(std::make_unique<DialogueGUI>(300, 100));
  g_->fermerDialogue(d);
  g_->fermerDialogue(d);
  EXPECT_EQ(g_->detruireFermes(), 1);

  bool ouvertDetruit = false, fermeDetruit = false;
  g_->ouvrirDialogue(std::make_unique<DialogueTemoin>(ouvertDetruit));
  g_->fermerDialogue(g_->ouvrirDialogue(std::make_unique<DialogueTemoin>(fermeDetruit)));
  gui = nullptr;  // as at shutdown: the global goes first
  g_.reset();
  EXPECT_TRUE(ouvertDetruit);
  EXPECT_TRUE(fermeDetruit);
}

}  // namespace
