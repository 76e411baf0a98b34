#pragma once

#include <QString>
#include <QTextStream>

// What to read: a tree captured from a machine (proc/, sys/, run/udev/data, etc/os-release where it
// has them), optionally a second capture of the same machine for the later samples.
struct TreeSampleOptions {
    QString root;
    QString then;          // empty: every sample reads `root`
    int samples = 1;       // the first reads `root`, every later one `then` (or `root`)
    double interval = 1.0; // seconds between two samples, for rates
};

// Prints, once per sample, every sampler's reading of the tree as the cards show it, one
// "label: value" line per value. The machine's identity comes first, once. Parts the tree lacks give
// the cards' fallbacks; values no captured tree can hold say so. Returns the exit status: 2 when a
// tree is no folder, else 0.
int treeSamples(const TreeSampleOptions& options, QTextStream& out);
