#pragma once

// Prints `samples` live samples (one a second) of this machine's processor and memory samplers, each
// next to the figures worked out straight from /proc. Returns the exit status.
int liveSamples(int samples);
