"""The six sound effects: bump, rolling loop, blast, spring, switch and bomb pick-up."""
import numpy as np

import audio
import commun
from audio import TAUX, enveloppe, fm, t


def paf():
    # a soft thud: a falling low tone and a short muffled knock
    n = int(0.22 * TAUX)
    tt = t(n)
    f = 55 + 95 * np.exp(-tt / 0.025)
    corps = np.sin(2 * np.pi * np.cumsum(f) / TAUX) * np.exp(-tt / 0.06)
    rng = np.random.default_rng(1)
    choc = audio.filtre_fft(rng.standard_normal(n), bas=150, haut=1800) * np.exp(-tt / 0.012)
    x = corps + 0.35 * choc / np.max(np.abs(choc))
    x = audio.normaliser(audio.fondu(x, 0.001, 0.03), 0.70)
    return audio.panoramique(x, 0.0)


def rool():
    # Rolling: a low rumble built directly from whole periods of the loop (random phases on
    # the loop's own harmonics), with a gentle eight-per-loop wobble, so it repeats seamlessly.
    n = TAUX  # one second
    rng = np.random.default_rng(2)
    f = np.fft.rfftfreq(n, 1 / TAUX)
    gain = np.exp(-((np.log(np.maximum(f, 1) / 170.0)) ** 2) / 0.5) * (f > 35)
    out = np.zeros((n, 2))
    for c in range(2):
        spectre = gain * np.exp(2j * np.pi * rng.random(len(f)))
        out[:, c] = np.fft.irfft(spectre, n=n)
    tt = t(n)
    wobble = 0.75 + 0.25 * np.sin(2 * np.pi * 8 * tt)          # 8 whole cycles per loop
    cliquetis = 0.5 + 0.5 * np.sin(2 * np.pi * 16 * tt + 1.0) ** 8
    out *= (wobble * (0.85 + 0.15 * cliquetis))[:, None]
    mono = out.mean(axis=1, keepdims=True)
    out = 0.7 * mono + 0.3 * out                                 # mostly centred
    return audio.normaliser(out, 0.45)


def boom():
    n = int(1.6 * TAUX)
    tt = t(n)
    rng = np.random.default_rng(3)
    x = np.zeros((n, 2))
    for c in range(2):
        bruit = rng.standard_normal(n)
        # the blast starts bright and darkens: three bands with shorter lives the higher they are
        grave = audio.filtre_fft(bruit, haut=220) * np.exp(-tt / 0.45)
        medium = audio.filtre_fft(bruit, bas=220, haut=1500) * np.exp(-tt / 0.18)
        aigu = audio.filtre_fft(bruit, bas=1500, haut=7000) * np.exp(-tt / 0.05)
        x[:, c] = 2.2 * grave / np.std(grave[:TAUX // 10]) + 0.9 * medium / np.std(medium[:TAUX // 20]) \
            + 0.35 * aigu / np.std(aigu[:TAUX // 50])
    f = 38 + 80 * np.exp(-tt / 0.05)
    coup = np.sin(2 * np.pi * np.cumsum(f) / TAUX) * np.exp(-tt / 0.3)
    x += 2.5 * coup[:, None]
    x = np.tanh(x / np.max(np.abs(x)) * 1.6)
    return audio.normaliser(audio.fondu(x, 0.0015, 0.25), 0.85)


def ressort():
    n = int(0.55 * TAUX)
    tt = t(n)
    f = 260 * (1 + 0.9 * (1 - np.exp(-tt / 0.12))) * (1 + 0.06 * np.sin(2 * np.pi * 22 * tt) * np.exp(-tt / 0.2))
    phase = 2 * np.pi * np.cumsum(f) / TAUX
    x = np.sin(phase + 1.8 * np.exp(-tt / 0.08) * np.sin(phase * 2.0)) * enveloppe(n, 0.004, 0.16)
    x = audio.normaliser(audio.fondu(x, 0.002, 0.05), 0.38)
    return audio.panoramique(x, 0.0)


def inter():
    # a mechanical click, then a two-note chime
    n = int(0.55 * TAUX)
    tt = t(n)
    rng = np.random.default_rng(5)
    clic = audio.filtre_fft(rng.standard_normal(n), bas=2000, haut=9000) * np.exp(-tt / 0.004)
    x = 0.6 * clic / np.max(np.abs(clic))
    for debut, midi in ((0.02, 88), (0.11, 95)):
        k = int(debut * TAUX)
        m = n - k
        ton = fm(audio.note_hz(midi), m, 3.5, 1.2, 0.05) * enveloppe(m, 0.002, 0.14)
        x[k:] += 0.5 * ton
    x = audio.normaliser(audio.fondu(x, 0.001, 0.08), 0.42)
    return np.stack([x * 0.9, x], axis=1)


def pr_bombe():
    # pick-up: a quick rising arpeggio of bells
    n = int(0.5 * TAUX)
    x = np.zeros(n)
    for i, midi in enumerate((79, 83, 86, 91)):
        k = int(i * 0.045 * TAUX)
        m = n - k
        x[k:] += fm(audio.note_hz(midi), m, 2.0, 1.5, 0.04) * enveloppe(m, 0.002, 0.09) * (0.7 + 0.1 * i)
    x = audio.normaliser(audio.fondu(x, 0.001, 0.06), 0.6)
    return audio.panoramique(x, 0.1)


EFFETS = [("sons/paf.ogg", paf), ("sons/rool.ogg", rool), ("sons/boom.ogg", boom),
          ("sons/ressort.ogg", ressort), ("sons/inter.wav", inter), ("sons/pr_bombe.wav", pr_bombe)]


def generer():
    for k, (rel, f) in enumerate(EFFETS):
        x = f()
        if rel.endswith(".wav"):
            audio.ecrire_wav(commun.chemin(rel), x)
        else:
            audio.ecrire_ogg(commun.chemin(rel), x, 5, 1000 + k)
    audio.verifier_boucle(audio.lire_ogg(commun.chemin("sons/rool.ogg")), "sons/rool.ogg")


if __name__ == "__main__":
    generer()
