#!/usr/bin/python3
"""Makes the end-to-end run's last saved job the sample job in samples/.

The job is the program's own output; only the image name on the reserve file's first
line is rewritten, from the absolute path the run used to carta_exemplo.jpg (beside it),
so that "Abrir dados" finds the chart beside the job from any checkout and any start
folder.

    e2e_amostra.py WORK_FOLDER SAMPLES_FOLDER
"""

import json
import os
import shutil
import sys

pasta, amostras = sys.argv[1], sys.argv[2]
with open(os.path.join(pasta, "execucao.json")) as f:
    ultimo = json.load(f)["salvamentos"][-1]
shutil.copyfile(ultimo["enh"], os.path.join(amostras, "carta_exemplo.ENh"))
with open(ultimo["reserva"], "rb") as f:
    linhas = f.read().split(b"\n")
linhas[0] = b"carta_exemplo.jpg" + (b"\r" if linhas[0].endswith(b"\r") else b"")
with open(os.path.join(amostras, "carta_exemplo_RESERVA.ENh"), "wb") as f:
    f.write(b"\n".join(linhas))
print("e2e: sample job written: samples/carta_exemplo.ENh and samples/carta_exemplo_RESERVA.ENh")
