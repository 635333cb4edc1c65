// Sound generator: synthesises the three music loops and the nine effect cues
// and writes them as 16-bit mono WAV at 22050 Hz into the directory given on
// the command line.
//
// Music is rendered into a circular buffer: a note that runs past the end of
// the loop continues at its start, so the loop seam is as smooth as any other
// sample pair. Effects open and close with short raised-cosine fades, so they
// never click. Noise comes from a fixed LCG, so every build writes the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "resources/res_files.h"

namespace {

const int RATE = 22050;
const double PI = 3.14159265358979323846;
typedef std::vector<double> Wave;

// Raised-cosine ramp from 0 to 1 over `len` samples.
double ramp(double i, double len)
{
    if (i <= 0)
        return 0;
    return i >= len ? 1 : 0.5 - 0.5 * std::cos(PI * i / len);
}

double midi_hz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

struct Voice {
    double partials[4];  // amplitude of harmonics 1..4
    double attack, decay, release;  // seconds; decay is the exponential time constant
    double detune;       // a second oscillator this much sharper (ratio - 1), 0 for none
};

const Voice PAD = {{0.6, 0.25, 0.08, 0.0}, 0.9, 6.0, 0.9, 0.004};
const Voice BELL = {{0.7, 0.0, 0.25, 0.1}, 0.004, 0.5, 0.12, 0.0};
const Voice PLUCK = {{0.6, 0.3, 0.15, 0.05}, 0.003, 0.18, 0.05, 0.0};
const Voice BASS = {{0.8, 0.35, 0.12, 0.0}, 0.008, 0.35, 0.06, 0.0};

// Adds one note into the loop buffer, wrapping past its end.
void note(Wave& buf, const Voice& v, int midi, double start, double len, double gain)
{
    double hz = midi_hz(midi);
    long first = std::lround(start * RATE), n = std::lround(len * RATE);
    double att = v.attack * RATE, rel = v.release * RATE;
    for (long i = 0; i < n; i++) {
        double t = (double)i / RATE;
        double env = ramp((double)i, att) * ramp((double)(n - i), rel) * std::exp(-t / v.decay);
        double s = 0;
        for (int h = 0; h < 4; h++) {
            if (v.partials[h] == 0)
                continue;
            double ph = 2 * PI * hz * (h + 1) * t;
            s += v.partials[h] * std::sin(ph);
            if (v.detune != 0)
                s += v.partials[h] * std::sin(ph * (1 + v.detune));
        }
        buf[(size_t)((first + i) % (long)buf.size())] += gain * env * s;
    }
}

// Short burst of filtered noise, for the off-beat hats.
void hat(Wave& buf, double start, double gain, uint32_t& seed)
{
    long first = std::lround(start * RATE), n = RATE / 25;
    double low = 0;
    for (long i = 0; i < n; i++) {
        seed = seed * 1664525u + 1013904223u;
        double white = (double)(seed >> 8) / (double)(1u << 24) * 2 - 1;
        low += 0.35 * (white - low);
        double env = ramp((double)i, 20) * ramp((double)(n - i), 60) * std::exp(-(double)i / (RATE * 0.012));
        buf[(size_t)((first + i) % (long)buf.size())] += gain * env * (white - low);
    }
}

void chord(Wave& buf, const int* notes, int count, double start, double len, double gain)
{
    for (int k = 0; k < count; k++)
        note(buf, PAD, notes[k], start, len, gain);
}

// Calm: 72 beats a minute, A minor, slow pads and a sparse bell line. 8 bars.
Wave bgm_calm()
{
    const double beat = 60.0 / 72;
    Wave buf((size_t)std::lround(32 * beat * RATE), 0.0);
    const int chords[8][3] = {{57, 60, 64}, {53, 57, 60}, {48, 55, 64}, {55, 59, 62},
                              {57, 60, 64}, {53, 57, 62}, {55, 59, 64}, {52, 55, 59}};
    const int melody[32] = {76, 0, 72, 0, 74, 0, 69, 0, 72, 0, 67, 0, 71, 0, 74, 0,
                            76, 0, 79, 0, 77, 0, 74, 0, 76, 0, 74, 71, 0, 0, 0, 0};
    for (int bar = 0; bar < 8; bar++) {
        chord(buf, chords[bar], 3, bar * 4 * beat, 4.6 * beat, 0.12);
        note(buf, BASS, chords[bar][0] - 12, bar * 4 * beat, 3.5 * beat, 0.25);
    }
    for (int i = 0; i < 32; i++)
        if (melody[i])
            note(buf, BELL, melody[i], i * beat, 1.8 * beat, 0.22);
    return buf;
}

// Bright: 120 beats a minute, C major, walking bass, sixteenth arpeggios and hats. 16 bars.
Wave bgm_bright()
{
    const double beat = 0.5;
    Wave buf((size_t)std::lround(64 * beat * RATE), 0.0);
    const int chords[4][4] = {{60, 64, 67, 72}, {55, 59, 62, 67}, {57, 60, 64, 69}, {53, 57, 60, 65}};
    const int arp[8] = {0, 1, 2, 3, 2, 1, 2, 3};
    uint32_t seed = 12345;
    for (int bar = 0; bar < 16; bar++) {
        const int* c = chords[bar % 4];
        double t0 = bar * 4 * beat;
        for (int e = 0; e < 8; e++) {
            int root = c[0] - 24 + (e % 4 == 2 ? 7 : 0);
            note(buf, BASS, root, t0 + e * beat / 2, beat / 2, 0.3);
            hat(buf, t0 + e * beat / 2 + beat / 4, 0.12, seed);
        }
        for (int s = 0; s < 16; s++)
            note(buf, PLUCK, c[arp[s % 8]] + (bar % 8 >= 4 ? 12 : 0), t0 + s * beat / 4, beat / 4, 0.16);
    }
    return buf;
}

// Tense: 96 beats a minute, E phrygian, a low pulse under dark pads and far bells. 12 bars.
Wave bgm_tense()
{
    const double beat = 60.0 / 96;
    Wave buf((size_t)std::lround(48 * beat * RATE), 0.0);
    const int chords[4][3] = {{52, 55, 59}, {53, 57, 60}, {52, 55, 59}, {50, 53, 57}};
    const int bells[12] = {83, 0, 84, 0, 83, 79, 0, 77, 76, 0, 77, 0};
    for (int bar = 0; bar < 12; bar++) {
        double t0 = bar * 4 * beat;
        chord(buf, chords[bar % 4], 3, t0, 4.8 * beat, 0.11);
        for (int b = 0; b < 4; b++)
            note(buf, BASS, 40 + (bar % 4 == 1 ? 1 : 0), t0 + b * beat, 0.7 * beat, b == 0 ? 0.4 : 0.25);
        if (bells[bar])
            note(buf, BELL, bells[bar], t0 + 2.5 * beat, 2.5 * beat, 0.15);
    }
    return buf;
}

// An effect: `len` seconds of a tone gliding from hz0 to hz1, with `fadeIn`
// and `fadeOut` seconds of ramp and an exponential decay constant `decay`.
Wave tone(double len, double hz0, double hz1, double fadeIn, double fadeOut, double decay, double second)
{
    long n = std::lround(len * RATE);
    Wave out((size_t)n, 0.0);
    double phase = 0;
    for (long i = 0; i < n; i++) {
        double hz = hz0 + (hz1 - hz0) * i / n;
        phase += 2 * PI * hz / RATE;
        double env = ramp((double)i, fadeIn * RATE) * ramp((double)(n - i), fadeOut * RATE) *
                     std::exp(-(double)i / (decay * RATE));
        out[(size_t)i] = env * (std::sin(phase) + second * std::sin(2 * phase));
    }
    return out;
}

// Scales the wave so its largest sample is `peak` of full scale.
void normalise(Wave& w, double peak)
{
    double top = 0;
    for (double s : w)
        top = std::fmax(top, std::fabs(s));
    if (top > 0)
        for (double& s : w)
            s *= peak / top;
}

void put16(FILE* f, unsigned v) { fputc((int)(v & 255), f), fputc((int)((v >> 8) & 255), f); }
void put32(FILE* f, unsigned v) { put16(f, v & 0xffff), put16(f, v >> 16); }

bool write_wav(const std::string& path, const Wave& w)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) {
        perror(path.c_str());
        return false;
    }
    unsigned bytes = (unsigned)w.size() * 2;
    fputs("RIFF", f);
    put32(f, 36 + bytes);
    fputs("WAVEfmt ", f);
    put32(f, 16);        // format chunk size
    put16(f, 1);         // PCM
    put16(f, 1);         // mono
    put32(f, RATE);      // samples a second
    put32(f, RATE * 2);  // bytes a second
    put16(f, 2);         // bytes a frame
    put16(f, 16);        // bits a sample
    fputs("data", f);
    put32(f, bytes);
    for (double s : w)
        put16(f, (unsigned)(uint16_t)(int16_t)std::lround(std::fmax(-1.0, std::fmin(1.0, s)) * 32767));
    bool ok = !ferror(f);
    if (fclose(f) != 0 || !ok) {
        perror(path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: gen_sounds <resource-dir>\n");
        return 2;
    }
    std::string dir = std::string(argv[1]) + "/";
    struct Out {
        const char* name;
        Wave wave;
        double peak;
    };
    // The confirm cues sound in the order _1 _2 _3 _4 _0: a rising pentatonic run.
    Out outs[] = {
        {RES_MUSIC[0], bgm_calm(), 0.7},
        {RES_MUSIC[1], bgm_bright(), 0.7},
        {RES_MUSIC[2], bgm_tense(), 0.7},
        {RES_EFFECTS[0], tone(0.035, 2200, 1800, 0.001, 0.012, 0.012, 0.0), 0.35},
        {RES_EFFECTS[1], tone(0.09, midi_hz(93), midi_hz(93), 0.003, 0.03, 0.06, 0.15), 0.5},
        {RES_EFFECTS[2], tone(0.09, midi_hz(84), midi_hz(84), 0.003, 0.03, 0.06, 0.15), 0.5},
        {RES_EFFECTS[3], tone(0.09, midi_hz(86), midi_hz(86), 0.003, 0.03, 0.06, 0.15), 0.5},
        {RES_EFFECTS[4], tone(0.09, midi_hz(88), midi_hz(88), 0.003, 0.03, 0.06, 0.15), 0.5},
        {RES_EFFECTS[5], tone(0.09, midi_hz(91), midi_hz(91), 0.003, 0.03, 0.06, 0.15), 0.5},
        {RES_EFFECTS[6], tone(0.09, midi_hz(96), midi_hz(96), 0.003, 0.03, 0.06, 0.15), 0.5},
        {RES_EFFECTS[7], tone(0.12, 700, 330, 0.004, 0.04, 0.08, 0.3), 0.5},
        {RES_EFFECTS[8], tone(0.13, 420, 1700, 0.01, 0.04, 0.5, 0.4), 0.45},
    };
    static_assert(std::size(outs) == std::size(RES_MUSIC) + std::size(RES_EFFECTS), "every sound made");
    for (Out& o : outs) {
        normalise(o.wave, o.peak);
        if (!write_wav(dir + o.name, o.wave))
            return 1;
    }
    return 0;
}
