#!/usr/bin/env python3
# Writes the seeds of the property-list fuzz programs that share one object among thousands of places:
# binary lists of a few kilobytes that the decoder takes, each one text or data block at every place of
# one list, counted there up to the decoder's bound of bytes (32 MiB, two bytes a UTF-16 unit) or just
# under it. Written out at every place (by a writer that encodes a text anew at each place, or in XML)
# they take tens of megabytes. Each goes into every corpus whose program reads binary lists. The files
# are kept in the tree; after changing this script, run it again:
#   tests/fuzz/plist-seeds.py
import os
import plistlib

here = os.path.dirname(os.path.abspath(__file__))
corpora = ["PlistReaders", "PropertyList", "SettingsStore"]

seeds = {
    # A settings suite whose one list holds 4,096 characters of U+00E9 (UTF-16) at 4,095 places.
    "shared-accented-text.bplist": {"list": ["\u00e9" * 4096] * 4095},
    # The same suite in ASCII, a byte a character.
    "shared-ascii-text.bplist": {"list": ["x" * 4096] * 4095},
    # 4,096 characters of '&' and CR, which XML writes as references of five bytes, at 4,096 places:
    # 84 MB of XML.
    "shared-markup-text.bplist": ["&\r" * 2048] * 4096,
    # 4 KiB of data at 8,192 places: 45 MB of base64.
    "shared-data.bplist": [bytes(range(256)) * 16] * 8192,
}

for name, value in seeds.items():
    # The writer writes an equal text or data block once, and the many places of it as references.
    written = plistlib.dumps(value, fmt=plistlib.FMT_BINARY, sort_keys=True)
    for corpus in corpora:
        with open(os.path.join(here, "corpus", corpus, name), "wb") as f:
            f.write(written)
    print(f"{name}: {len(written)} bytes")
