// Plays one tone of the given seconds through the program's PulseAudio playback, then waits to be
// killed: a test stops this whole program while its cue plays, as a busy machine may hold the
// program up, and listens to what the server does meanwhile.
#include "HeardTones.h"
#include "systems/linux/PulsePcmPlayback.h"

#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv) {
    aerolap::PulsePcmPlayback playback;
    playback.play(aerolap::testing::tone(500, argc > 1 ? std::atof(argv[1]) : 1.0));
    while (true) {
        ::pause();
    }
}
