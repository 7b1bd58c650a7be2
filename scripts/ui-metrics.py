#!/usr/bin/env python3
"""Measures of the window layer: menu lookups by name, the places that write
the board or work out the side to move, the largest file and function.

usage: scripts/ui-metrics.py [FOLDER]   (default src/ui)
"""
import pathlib
import re
import sys

dossier = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src/ui")
fichiers = sorted(p for p in dossier.glob("*") if p.suffix in (".cpp", ".h"))

recherches = 0
ecritures = []
plus_long_fichier = (0, "")
fonctions = []
ecrit_damier = re.compile(
    r"\bdamier(_sauve)?\s*\[[^\]]*\]\s*=[^=]|memcpy\(\s*damier|copier_damier\(\s*damier|"
    r"std::copy\([^;]*\bdamier\b")
calcule_trait = re.compile(r"(?<![\w.>])trait\s*=[^=]|adversaire\(\s*trait\s*\)|\btrait_fin\b\s*;")
for f in fichiers:
    lignes = f.read_text(encoding="utf-8").splitlines()
    recherches += sum(l.count('action("') for l in lignes)
    for i, l in enumerate(lignes, 1):
        code = l.split("//")[0]
        if ecrit_damier.search(code) or calcule_trait.search(code):
            ecritures.append(f"{f.name}:{i}: {l.strip()}")
    if len(lignes) > plus_long_fichier[0]:
        plus_long_fichier = (len(lignes), f.name)
    # Function bodies: a line opening a definition at column 0 up to the
    # closing brace at column 0.
    debut = None
    for i, l in enumerate(lignes):
        if debut is None and re.match(r"^[A-Za-z].*\)\s*(const\s*)?(override\s*)?\{\s*$", l):
            debut = i
        elif debut is not None and l.startswith("}"):
            fonctions.append((i - debut + 1, f"{f.name}:{debut + 1}: {lignes[debut].strip()}"))
            debut = None

print(f'action(" lookups: {recherches}')
print(f"places that write damier or work out the side to move: {len(ecritures)}")
for e in ecritures:
    print("  " + e)
print(f"largest file: {plus_long_fichier[1]} ({plus_long_fichier[0]} lines)")
fonctions.sort(reverse=True)
print("largest functions:")
for n, nom in fonctions[:5]:
    print(f"  {n:4d} lines  {nom}")
