"""The music: four looping tracks composed here from chords, a seeded melody, bass, pads,
bells and drums. Every note is mixed circularly into the track (a note that rings past the
end sounds at the start), and the reverb is a circular convolution, so each track loops
without a seam; the chord sequence of each ends on a chord that leads back to its first."""
import numpy as np

import audio
import commun
from audio import TAUX, enveloppe, note_hz

MAJEURE = [0, 2, 4, 5, 7, 9, 11]
MINEURE = [0, 2, 3, 5, 7, 8, 10]
DORIENNE = [0, 2, 3, 5, 7, 9, 10]

_cache = {}


def memo(nom, midi, duree, f):
    cle = (nom, midi, round(duree, 4))
    if cle not in _cache:
        # every note starts and ends at silence: no click at either end
        _cache[cle] = audio.fondu(f(), 0.0015, 0.03)
    return _cache[cle]


# ------------------------------------------------------------------ instruments (mono)
def nappe(midi, duree):
    def f():
        n = int((duree + 0.9) * TAUX)
        s = sum(audio.dent_de_scie(note_hz(midi) * 2 ** (c / 1200), n, harmoniques=10, phase=p)
                for c, p in ((-8, 0.0), (0, 1.3), (7, 2.1)))
        env = enveloppe(n, 0.35, 1.0, maintien=1.0)
        env[int(duree * TAUX):] *= np.exp(-audio.t(n - int(duree * TAUX)) / 0.25)
        return s * env / 3
    return memo("nappe", midi, duree, f)


def basse(midi, duree):
    def f():
        n = int((duree + 0.1) * TAUX)
        fr = note_hz(midi)
        tt = audio.t(n)
        s = np.sin(2 * np.pi * fr * tt) + 0.3 * np.sin(4 * np.pi * fr * tt) \
            + 0.12 * audio.dent_de_scie(fr, n, harmoniques=8)
        env = enveloppe(n, 0.006, 0.25, maintien=0.55)
        r = int(0.06 * TAUX)
        fin = int(duree * TAUX)
        env[fin:] *= np.linspace(1, 0, n - fin)
        return np.tanh(1.3 * s * env) * 0.8
    return memo("basse", midi, duree, f)


def cloche(midi, duree):
    def f():
        n = int((max(duree, 0.2) + 1.2) * TAUX)
        s = audio.fm(note_hz(midi), n, 3.5, 1.6, 0.25) * enveloppe(n, 0.002, 0.55)
        s += 0.3 * np.sin(2 * np.pi * note_hz(midi + 12) * audio.t(n)) * enveloppe(n, 0.002, 0.2)
        return s * 0.7
    return memo("cloche", midi, duree, f)


def pincee(midi, duree):
    def f():
        n = int((duree + 0.35) * TAUX)
        return audio.fm(note_hz(midi), n, 1.0, 2.5, 0.06) * enveloppe(n, 0.002, 0.16) * 0.7
    return memo("pincee", midi, duree, f)


def solo(midi, duree):
    def f():
        n = int((duree + 0.15) * TAUX)
        tt = audio.t(n)
        fr = note_hz(midi) * (1 + 0.004 * np.sin(2 * np.pi * 5.5 * tt) * np.clip(tt / 0.3, 0, 1))
        phase = 2 * np.pi * np.cumsum(fr) / TAUX
        s = sum(np.sin(k * phase) / k for k in (1, 3, 5, 7)) * 0.7 + 0.3 * np.sin(2 * phase)
        env = enveloppe(n, 0.012, 0.4, maintien=0.7)
        fin = int(duree * TAUX)
        env[fin:] *= np.exp(-audio.t(n - fin) / 0.04)
        return s * env * 0.5
    return memo("solo", midi, duree, f)


def grosse_caisse():
    # Kick: a falling sine with a touch of drive for weight, and a short beater click of
    # bright noise so it cuts through on small speakers.
    def f():
        n = int(0.35 * TAUX)
        tt = audio.t(n)
        fr = 45 + 120 * np.exp(-tt / 0.028)
        corps = np.tanh(1.6 * np.sin(2 * np.pi * np.cumsum(fr) / TAUX)) * np.exp(-tt / 0.13)
        rng = np.random.default_rng(39)
        clic = audio.filtre_fft(rng.standard_normal(n), bas=1500, haut=9000)
        clic = clic / np.max(np.abs(clic)) * np.exp(-tt / 0.003)
        return corps * 0.9 + 0.35 * clic
    return memo("gc", 0, 0, f)


def caisse_claire():
    # Snare: two drum-head tones under a long crack of wide-band noise (the wires), which
    # carries most of its sound, up to the top of the spectrum.
    def f():
        n = int(0.32 * TAUX)
        tt = audio.t(n)
        rng = np.random.default_rng(40)
        fils = audio.filtre_fft(rng.standard_normal(n), bas=1200, haut=14000)
        fils /= np.max(np.abs(fils))
        claque = audio.filtre_fft(rng.standard_normal(n), bas=400, haut=4000)
        claque /= np.max(np.abs(claque))
        peau = np.sin(2 * np.pi * 185 * tt) + 0.6 * np.sin(2 * np.pi * 330 * tt + 1.0)
        return (0.85 * fils * np.exp(-tt / 0.09) + 0.5 * claque * np.exp(-tt / 0.015)
                + 0.45 * peau * np.exp(-tt / 0.045)) * 0.7
    return memo("cc", 0, 0, f)


def charleston(ouvert=False):
    # Hi-hat: six detuned square waves (a metallic cluster) mixed with noise, kept above
    # 7 kHz: the sizzle that makes a track sound full at the top.
    def f():
        n = int((0.30 if ouvert else 0.09) * TAUX)
        tt = audio.t(n)
        rng = np.random.default_rng(41 + ouvert)
        metal = sum(np.sign(np.sin(2 * np.pi * fr * tt + k)) for k, fr in
                    enumerate((205.3, 304.4, 369.6, 522.7, 540.0, 800.0)))
        b = rng.standard_normal(n) + 0.5 * metal
        b = audio.filtre_fft(b, bas=7000, haut=16000)
        b /= np.max(np.abs(b))
        return b * np.exp(-tt / (0.10 if ouvert else 0.020)) * 0.45
    return memo("hh", int(ouvert), 0, f)


def shaker():
    # A soft shaker on the off-beats: noise swelling and falling, for movement up high.
    def f():
        n = int(0.12 * TAUX)
        tt = audio.t(n)
        rng = np.random.default_rng(43)
        b = audio.filtre_fft(rng.standard_normal(n), bas=5000, haut=14000)
        b /= np.max(np.abs(b))
        env = np.clip(tt / 0.025, 0, 1) * np.exp(-np.clip(tt - 0.025, 0, None) / 0.03)
        return b * env * 0.3
    return memo("sk", 0, 0, f)


# ------------------------------------------------------------------ composition
class Morceau:
    def __init__(self, tempo, mesures, tonique, gamme, graine):
        self.temps = 60.0 / tempo
        self.mesure = 4 * self.temps
        self.n = int(round(mesures * self.mesure * TAUX))
        self.sec = np.zeros((self.n, 2))
        self.envoi = np.zeros((self.n, 2))
        self.tonique, self.gamme = tonique, gamme
        self.rng = np.random.default_rng(graine)

    def jouer(self, debut_s, son, volume, pan=0.0, reverb=0.25):
        s = audio.panoramique(son * volume, pan)
        audio.ajouter(self.sec, int(round(debut_s * TAUX)), s)
        if reverb:
            audio.ajouter(self.envoi, int(round(debut_s * TAUX)), s * reverb)

    def degre(self, d, octave=0):
        """MIDI note of scale degree d (0-based, may exceed the scale) above the tonic."""
        o, k = divmod(d, 7)
        return self.tonique + 12 * (o + octave) + self.gamme[k]

    def accord(self, d, octave=0, notes=4):
        return [self.degre(d + 2 * i, octave) for i in range(notes)]

    def nappes(self, mesure, d, volume=0.16, octave=0):
        for i, m in enumerate(self.accord(d, octave)):
            self.jouer(mesure * self.mesure, nappe(m, self.mesure - 0.05), volume, pan=-0.6 + 0.4 * i,
                       reverb=0.5)

    def basse(self, mesure, d, motif, volume=0.5, octave=-2):
        # motif: (beat, length in beats, degree offset from the root)
        for b, l, dd in motif:
            m = self.degre(d + dd, octave)
            self.jouer(mesure * self.mesure + b * self.temps, basse(m, l * self.temps * 0.9), volume,
                       reverb=0.05)

    def arpege(self, mesure, d, pas, instrument, volume=0.18, octave=1, ordre=(0, 1, 2, 3, 2, 1)):
        notes = self.accord(d, octave)
        k = 0
        t0 = mesure * self.mesure
        while k * pas < 4 - 1e-6:
            m = notes[ordre[k % len(ordre)]]
            self.jouer(t0 + k * pas * self.temps, instrument(m, pas * self.temps), volume,
                       pan=0.5 * np.sin(k * 0.9), reverb=0.35)
            k += 1

    def batterie(self, mesure, motif, volume=0.5):
        # 16 steps per bar: 'k' kick, 's' snare, 'h' hat, 'o' open hat, 'x' kick + hat;
        # a shaker fills every odd step left empty
        t0 = mesure * self.mesure
        for i, c in enumerate(motif):
            t = t0 + i * self.temps / 4
            if c in "kx":
                self.jouer(t, grosse_caisse(), volume, reverb=0.02)
            if c == "s":
                self.jouer(t, caisse_claire(), volume * 0.8, pan=0.05, reverb=0.2)
            if c in "hx":
                self.jouer(t, charleston(), volume * (0.75 if i % 2 else 1.1), pan=0.3, reverb=0.05)
            if c == "o":
                self.jouer(t, charleston(True), volume * 0.7, pan=0.3, reverb=0.1)
            if c == "-" and i % 2 == 1:
                self.jouer(t, shaker(), volume * 0.8, pan=-0.35, reverb=0.15)

    def phrase(self, mesures, accords, rythmes, graine, centre=4):
        """A melody over some bars: chord tones on the beats, scale steps between, as
        (start in beats from the phrase start, length in beats, midi)."""
        rng = np.random.default_rng(graine)
        notes = []
        pos = centre
        for k, d in enumerate(accords[:mesures]):
            rythme = rythmes[rng.integers(len(rythmes))]
            debut = 0.0
            for l in rythme:
                if l < 0:
                    debut += -l
                    continue
                sur_temps = abs(debut - round(debut)) < 1e-6
                if sur_temps:
                    tons = [d + 2 * i for i in range(-3, 6)]
                    tons = [x for x in tons if abs(x - pos) <= 3] or [d + 7]
                    pos = int(rng.choice(tons))
                else:
                    pos += int(rng.choice([-2, -1, -1, 1, 1, 2]))
                pos = int(np.clip(pos, 0, 10))
                notes.append((k * 4 + debut, l, pos))
                debut += l
        return notes

    def melodie(self, mesure, notes, instrument, volume=0.22, octave=1, pan=0.0):
        for b, l, d in notes:
            self.jouer(mesure * self.mesure + b * self.temps, instrument(self.degre(d, octave), l * self.temps),
                       volume, pan=pan, reverb=0.3)

    def mixer(self, reverb=0.35, duree_reverb=2.0):
        mix = self.sec + reverb * audio.reverb(self.envoi, duree_reverb)
        mix = audio.filtre_fft(mix, bas=28)
        # a gentle high shelf (+4 dB from about 9 kHz): air over the cymbals and bells
        f = np.fft.rfftfreq(len(mix), 1 / TAUX)
        etagere = 1 + 0.6 / (1 + (9000.0 / np.maximum(f, 1.0)) ** 4)
        mix = np.fft.irfft(np.fft.rfft(mix, axis=0) * etagere[:, None], n=len(mix), axis=0)
        mix = np.tanh(mix / np.max(np.abs(mix)) * 1.3)
        # below full scale, so the effects stand out over it
        return audio.normaliser(mix, 0.60)


RYTHMES_CALMES = [[2, 1, 1], [1.5, 0.5, 2], [3, -1], [1, 1, 2], [-1, 1, 1, 1]]
RYTHMES_VIFS = [[1, 0.5, 0.5, 1, 1], [0.5, 0.5, 1, 0.5, 0.5, 1], [1.5, 0.5, 1, 1], [-0.5, 0.5, 1, 0.5, 0.5, 1]]


def titre_menu():
    # Calm and airy: D major, 90 bpm, bells over pads; 32 bars.
    m = Morceau(90, 32, 62 - 12, MAJEURE, 1)
    grille_a = [0, 5, 3, 4, 0, 5, 1, 4]          # I vi IV V I vi ii V
    grille_b = [3, 4, 2, 5, 3, 4, 1, 4]
    accords = grille_a + grille_a + grille_b + grille_a
    motif_a = m.phrase(8, grille_a, RYTHMES_CALMES, 11, centre=7)
    motif_b = m.phrase(8, grille_b, RYTHMES_CALMES, 12, centre=8)
    for k, d in enumerate(accords):
        m.nappes(k, d, 0.13, octave=1)
        m.arpege(k, d, 0.5, cloche, 0.10, octave=2, ordre=(0, 2, 1, 3, 2, 1, 0, 2))
        if k >= 8:
            m.basse(k, d, [(0, 2, 0), (2, 1.5, 4), (3.5, 0.5, 0)], 0.42)
        if 8 <= k < 28:
            m.batterie(k, "k---h---k-k-h---" if k % 4 != 3 else "k---h---k-h-h-o-", 0.35)
    m.melodie(8, motif_a, cloche, 0.20, octave=2, pan=-0.1)
    m.melodie(16, motif_b, cloche, 0.20, octave=2, pan=0.1)
    m.melodie(24, motif_a, solo, 0.13, octave=2)
    return m.mixer(0.45, 2.6)


def balade():
    # Bright and bouncy: F major, 118 bpm; 48 bars.
    m = Morceau(118, 48, 65 - 12, MAJEURE, 2)
    a = [0, 5, 3, 4]
    b = [3, 0, 4, 5, 3, 0, 1, 4]
    accords = a * 4 + b + a * 2 + b + a * 2
    mel_a = m.phrase(8, a * 2, RYTHMES_VIFS, 21, centre=6)
    mel_b = m.phrase(8, b, RYTHMES_VIFS, 22, centre=7)
    for k, d in enumerate(accords):
        m.nappes(k, d, 0.09, octave=1)
        m.basse(k, d, [(0, 1, 0), (1, 1, 4), (2, 1, 0), (3, 0.5, 4), (3.5, 0.5, 5)], 0.45)
        m.arpege(k, d, 0.5, pincee, 0.10, octave=1, ordre=(0, 1, 2, 1))
        if k >= 4:
            m.batterie(k, "x-h-s-hkx-h-s-hh" if k % 8 != 7 else "x-h-s-hkx-s-s-ss", 0.45)
    for debut in (8, 40):
        m.melodie(debut, mel_a, solo, 0.17, octave=1)
    for debut in (24,):
        m.melodie(debut, mel_b, cloche, 0.2, octave=2)
    m.melodie(32, mel_a, cloche, 0.16, octave=2, pan=0.2)
    return m.mixer(0.3, 1.6)


def mystere():
    # Dark and slow: A minor, 84 bpm, pads and bells; 32 bars.
    m = Morceau(84, 32, 57 - 12, MINEURE, 3)
    a = [0, 5, 3, 4]                              # i VI iv v
    b = [5, 2, 6, 4]
    accords = a * 2 + b * 2 + a * 2 + b + [5, 3, 6, 4]
    mel = m.phrase(8, a * 2, RYTHMES_CALMES, 31, centre=4)
    mel2 = m.phrase(8, b * 2, RYTHMES_CALMES, 32, centre=5)
    for k, d in enumerate(accords):
        m.nappes(k, d, 0.15, octave=0)
        m.arpege(k, d, 1.0 if k < 8 else 0.5, cloche, 0.09, octave=2, ordre=(0, 3, 1, 2))
        if k >= 8:
            m.basse(k, d, [(0, 3, 0), (3, 1, 4)], 0.40)
        if 8 <= k < 30:
            m.batterie(k, "k-------s-----k-" if k % 2 == 0 else "k-----k-s-------", 0.32)
    m.melodie(8, mel, solo, 0.12, octave=1)
    m.melodie(16, mel2, cloche, 0.18, octave=2)
    m.melodie(24, mel, cloche, 0.16, octave=2, pan=-0.2)
    return m.mixer(0.55, 3.0)


def energie():
    # Driving: E dorian, 136 bpm, eighth-note bass and sixteenth arpeggios; 56 bars.
    m = Morceau(136, 56, 64 - 12, DORIENNE, 4)
    a = [0, 5, 6, 3]                              # i VI VII iv (dorian colours)
    b = [3, 4, 0, 6]
    accords = a * 4 + b * 2 + a * 4 + b * 2 + a * 2
    mel = m.phrase(8, a * 2, RYTHMES_VIFS, 41, centre=6)
    mel2 = m.phrase(8, b * 2, RYTHMES_VIFS, 42, centre=7)
    for k, d in enumerate(accords):
        m.nappes(k, d, 0.07, octave=1)
        m.basse(k, d, [(i * 0.5, 0.5, 0 if i % 4 != 3 else 4) for i in range(8)], 0.40)
        m.arpege(k, d, 0.25, pincee, 0.08, octave=2, ordre=(0, 1, 2, 3, 2, 1, 0, 2))
        if k >= 4:
            m.batterie(k, "x-h-s-h-x-hkx-hh" if k % 4 != 3 else "x-h-s-h-x-s-s-so", 0.45)
    for debut in (8, 40):
        m.melodie(debut, mel, solo, 0.16, octave=1)
    m.melodie(24, mel2, cloche, 0.18, octave=2)
    return m.mixer(0.25, 1.4)


MORCEAUX = [("ziks/start.ogg", titre_menu), ("ziks/balade.ogg", balade),
            ("ziks/mystere.ogg", mystere), ("ziks/energie.ogg", energie)]


def generer():
    for k, (rel, f) in enumerate(MORCEAUX):
        _cache.clear()
        x = f()
        chemin = commun.chemin(rel)
        audio.ecrire_ogg(chemin, x, 2, 2000 + k)
        audio.verifier_boucle(audio.lire_ogg(chemin), rel)


if __name__ == "__main__":
    generer()
