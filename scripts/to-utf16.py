#!/usr/bin/env python3
"""Writes a UTF-8 text file as UTF-16LE with a byte-order mark (the repository's item format)."""
import sys

if len(sys.argv) != 3:
    sys.exit("usage: to-utf16.py IN OUT")
with open(sys.argv[1], encoding="utf-8") as f:
    text = f.read()
with open(sys.argv[2], "wb") as f:
    f.write(b"\xff\xfe" + text.encode("utf-16-le"))
