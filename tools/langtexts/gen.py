# -*- coding: utf-8 -*-
# Run: python3 tools/langtexts/gen.py [INSTALLDIR]  (default: install/ of this repository)
# Writes the default installation's language files (Windows-1252, CRLF).
import os, sys
sys.path.insert(0, os.path.dirname(__file__))
from menus import SEL
from lines import HEAD, WRITEA, SEARCH, QUES, EDC3, LABEL3
from dberr import DBERR
from forms import FORMS, SPECS, FT
import editors, guide, helps, zones

ROOT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "install")
LANGS = ["E", "F", "I", "S", "P"]
MENU_LINES = 65

def write(path, lines):
    data = "".join(l + "\r\n" for l in lines).encode("cp1252")
    for l in lines:
        assert len(l.encode("cp1252")) <= 255, (path, l)
    with open(path, "wb") as f:
        f.write(data)

def keys_of(line):
    out = []
    for i, c in enumerate(line):
        if c == ")" and i > 0:
            out.append(line[i - 1])
    return "".join(out)

def lang_path(family, s):
    return os.path.join(ROOT, "lang", family + s + ".txt")

def label(t, texts):
    colour, x, y, font, d, us, size, h, v, style, key = t
    return "|".join(str(p) for p in (colour, x, y, font, d, us, size, h, v, style)) + "|" + texts[key]

def main():
    os.makedirs(os.path.join(ROOT, "lang"), exist_ok=True)
    os.makedirs(os.path.join(ROOT, "data"), exist_ok=True)
    write(os.path.join(ROOT, "data", "lang2.txt"), LANGS)
    for s in LANGS:
        sel = [SEL[s].get(n, "") for n in range(1, MENU_LINES + 1)]
        for n, line in enumerate(sel, 1):
            k = keys_of(line)
            assert k == k.upper(), (s, n, line)
            assert (len(line) + 1) * 12 <= 1920, (s, n, len(line))
            if len(line) > 125:
                print("long menu", s, n, len(line))
        write(lang_path("sel", s), sel)
        write(lang_path("seln", s), [keys_of(l) for l in sel])
        write(lang_path("head", s), HEAD[s])
        write(lang_path("writea", s), WRITEA[s])
        assert len(DBERR[s]) == 67, (s, len(DBERR[s]))
        for l in DBERR[s]:
            if len(l) > 64:
                print("long dberr", s, len(l), l)
        write(lang_path("dberr", s), DBERR[s])
        q, see, nf = SEARCH[s]
        write(lang_path("vell!11", s), [q])
        write(lang_path("vell!10", s), [see])
        write(lang_path("vell!5", s), [nf])
        write(lang_path("ques", s), QUES[s] + ["******"])
        write(lang_path("helps", s), helps.family(s))
        write(lang_path("edc3", s), EDC3[s] + ["******"])
        write(lang_path("label3", s), LABEL3[s] + ["******"])
        for fam, lines in SPECS.items():
            write(lang_path(fam, s), lines + ["******"])
        for fam, lines in list(editors.families(s).items()) + list(editors.report_families(s).items()) + list(guide.families(s).items()) + list(zones.families(s).items()):
            write(lang_path(fam, s), lines)
        for fam, form in FORMS.items():
            head = "|".join("%s%d" % (k, len(form[k])) for k in "FHCQA")
            out = [head]
            for k in "FHCQA":
                out += [label(t, FT[s]) for t in form[k]]
            write(lang_path(fam, s), out)

main()
